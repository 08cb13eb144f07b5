#include "DataActie.h"

#include "data/DatabaseError.h"

bool DataActie(const std::function<void()>& actie)
{
    try {
        actie();
        return true;
    } catch (const StilAfbreken&) {
        return false;
    } catch (const std::exception& fout) {
        FoutjesException(fout);
        return false;
    }
}
