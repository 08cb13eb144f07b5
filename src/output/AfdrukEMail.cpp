#include "AfdrukEMail.h"

#include "EMailZender.h"
#include "RasManager.h"

std::unique_ptr<AfdrukEMail> MaakAfdrukEMail(AfdrukVenster& venster)
{
    return std::make_unique<TEMailZender>(venster, MaakRasDienst());
}
