#include "TestRegistry.h"

#include "controls/OrvelApplication.h"
#include <QTest>
#include <cstring>
#include <memory>

std::vector<RegisteredTest>& testRegistry()
{
    static std::vector<RegisteredTest> tests;
    return tests;
}

// Usage: tests_<folder> [Class [QtTest options...]]; without a class every
// registered class runs.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    OrvelApplication app(argc, argv);
    const char* only = argc > 1 && argv[1][0] != '-' ? argv[1] : nullptr;
    std::vector<char*> args{argv[0]};
    for (int i = only ? 2 : 1; i < argc; ++i)
        args.push_back(argv[i]);

    int failures = 0;
    bool ran = false;
    for (const auto& test : testRegistry()) {
        if (only && std::strcmp(only, test.name) != 0)
            continue;
        ran = true;
        std::unique_ptr<QObject> object(test.make());
        failures += QTest::qExec(object.get(), int(args.size()), args.data());
    }
    if (!ran) {
        qWarning("No test class named %s", only ? only : "(any)");
        return 2;
    }
    return failures == 0 ? 0 : 1;
}
