#include "app/neighbours/CSAudienceMeter.h"

#include "app/neighbours/CSCensus.h"

namespace qov {

CSCensus& CSAudienceMeter::census() {
    static CSCensus instance;
    return instance;
}

}  // namespace qov
