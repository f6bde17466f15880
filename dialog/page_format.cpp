#include "dialog/page_format.h"

namespace pd {

PropertyDictionary customPaperProperties(bool custom) {
    PropertyDictionary paperInfo;
    paperInfo.entries.push_back({std::string(customPaperKey), custom});
    PropertyDictionary properties;
    properties.entries.push_back({std::string(paperInfoTicketKey), std::move(paperInfo)});
    return properties;
}

}  // namespace pd
