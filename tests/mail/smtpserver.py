#!/usr/bin/env python3
"""An SMTP server on loopback for the mail tests.

It listens on a free port of 127.0.0.1, prints "PORT <n>" on one line when it
is ready, and stores every message it accepts in the folder given: N.eml with
the message as received, N.json with its envelope (sender, recipients, the
EHLO argument, whether the session used TLS, the login name, the number of
the connection it came over) and the message as a mail program reads it
(decoded headers, the charset and text of the body, the attachments, each
saved as N.<i>.bin).

  smtpserver.py FOLDER [--tls CERT KEY] [--login NAME PASSWORD]
                       [--refuse TEXT] [--refuse-greeting]

--tls offers STARTTLS with the certificate; --login requires AUTH with these
credentials; --refuse refuses every recipient whose address contains TEXT;
--refuse-greeting answers every connection with 554 and closes it.
"""
import argparse
import asyncio
import email
import email.policy
import json
import logging
import os
import ssl
import sys
import warnings

from aiosmtpd.smtp import SMTP, AuthResult, LoginPassword


class Store:
    def __init__(self, folder, refuse):
        self.folder = folder
        self.refuse = refuse
        self.count = 0
        self.connections = 0

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if self.refuse and self.refuse in address:
            return "550 5.1.1 Ontvanger onbekend"
        envelope.rcpt_tos.append(address)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        self.count += 1
        base = os.path.join(self.folder, "%04d" % self.count)
        raw = envelope.original_content or envelope.content
        with open(base + ".eml", "wb") as f:
            f.write(raw)
        message = email.message_from_bytes(raw, policy=email.policy.default)
        text = message.get_body(preferencelist=("plain",))
        attachments = []
        for number, part in enumerate(message.iter_attachments(), 1):
            name = "%s.%d.bin" % (base, number)
            with open(name, "wb") as f:
                f.write(part.get_payload(decode=True))
            attachments.append({"filename": part.get_filename(),
                                "type": part.get_content_type(),
                                "file": name})
        login = getattr(session.auth_data, "login", None)
        if isinstance(login, bytes):
            login = login.decode("utf-8", "replace")
        with open(base + ".json", "w", encoding="utf-8") as f:
            json.dump({"from": envelope.mail_from,
                       "to": envelope.rcpt_tos,
                       "helo": session.host_name,
                       "tls": session.ssl is not None,
                       "login": login,
                       "connection": session.connection,
                       "headers": {k: str(v) for k, v in message.items()},
                       "charset": text.get_content_charset() if text else None,
                       "body": text.get_content().replace("\r\n", "\n") if text else None,
                       "attachments": attachments}, f)
        return "250 2.0.0 Bericht aangenomen"


class Session(SMTP):
    """Numbers its connections, so that a test can tell sessions apart."""

    number = None

    def connection_made(self, transport):
        # Called again after STARTTLS, for the same connection.
        if self.number is None:
            self.event_handler.connections += 1
            self.number = self.event_handler.connections
        super().connection_made(transport)
        self.session.connection = self.number


async def refuse_greeting(reader, writer):
    writer.write(b"554 5.7.1 Geen toegang\r\n")
    await writer.drain()
    writer.close()


async def main():
    # What a failing test provokes on purpose (a refused certificate, a
    # deprecated field of the library) is no news on the test's output.
    logging.getLogger("mail.log").setLevel(logging.CRITICAL)
    warnings.simplefilter("ignore", DeprecationWarning)
    parser = argparse.ArgumentParser()
    parser.add_argument("folder")
    parser.add_argument("--tls", nargs=2, metavar=("CERT", "KEY"))
    parser.add_argument("--login", nargs=2, metavar=("NAME", "PASSWORD"))
    parser.add_argument("--refuse")
    parser.add_argument("--refuse-greeting", action="store_true")
    args = parser.parse_args()

    loop = asyncio.get_running_loop()
    if args.refuse_greeting:
        server = await asyncio.start_server(refuse_greeting, "127.0.0.1", 0)
    else:
        store = Store(args.folder, args.refuse)
        options = {"decode_data": False, "enable_SMTPUTF8": True, "hostname": "loopback.test"}
        if args.tls:
            context = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
            context.load_cert_chain(args.tls[0], args.tls[1])
            options["tls_context"] = context
        if args.login:
            name, password = args.login[0].encode(), args.login[1].encode()

            def check(server, session, envelope, mechanism, auth_data):
                ok = isinstance(auth_data, LoginPassword) and auth_data.login == name \
                    and auth_data.password == password
                return AuthResult(success=ok, handled=False, auth_data=auth_data if ok else None)

            options.update(authenticator=check, auth_required=True)
        server = await loop.create_server(lambda: Session(store, **options), "127.0.0.1", 0)
    port = server.sockets[0].getsockname()[1]
    print("PORT %d" % port, flush=True)
    # Ends when the test closes our input.
    await loop.run_in_executor(None, sys.stdin.read)
    server.close()


if __name__ == "__main__":
    asyncio.run(main())
