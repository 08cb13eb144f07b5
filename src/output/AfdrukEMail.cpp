#include "AfdrukEMail.h"

std::unique_ptr<AfdrukEMail> MaakAfdrukEMail(AfdrukVenster& venster)
{
    Q_UNUSED(venster);
    return nullptr;
}
