#include "app/neighbours/CSAudienceMeter.h"

#include "app/neighbours/CSCensus.h"
#include "platform/base/ProcessInstance.h"

namespace qov {

CSCensus& CSAudienceMeter::census() {
    static platform::NeverDestroyed<CSCensus> instance;
    return *instance;
}

}  // namespace qov
