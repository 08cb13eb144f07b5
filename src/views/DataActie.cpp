#include "DataActie.h"

#include "data/DataModFrm.h"
#include "data/DatabaseError.h"

bool DataActie(const std::function<void()>& actie)
{
    try {
        actie();
        return true;
    } catch (const StilAfbreken&) {
        return false;
    } catch (const std::exception& fout) {
        TDataModFrm::FoutjesException(fout);
        return false;
    }
}
