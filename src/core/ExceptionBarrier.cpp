#include "core/ExceptionBarrier.h"

#include <string>

namespace tarvon {

void RecordException(StationLog& log, std::string_view place, std::string_view what) {
    log.Record("Exception caught in " + std::string(place) + ": " + std::string(what));
}

}  // namespace tarvon
