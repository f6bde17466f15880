#include "filter/features_dict.h"

namespace pd {

namespace {

constexpr std::string_view dictionaryName = "TLQXFeatures";

}  // namespace

std::string featuresDictPrologue(bool& prologueFlag) {
    if (prologueFlag) return {};
    prologueFlag = true;
    std::string text = "\r\nuserdict /";
    text += dictionaryName;
    text += " known not { userdict /";
    text += dictionaryName;
    text += " 100 dict put } if\r\n";
    return text;
}

std::string featuresDictCallIfKnown(bool& prologueFlag, std::string_view procedure,
                                    std::string_view arguments) {
    if (procedure.empty()) return {};
    std::string text = featuresDictPrologue(prologueFlag);
    text += dictionaryName;
    text += " /";
    text += procedure;
    text += " known { ";
    if (!arguments.empty()) {
        text += arguments;
        text += ' ';
    }
    text += dictionaryName;
    text += " /";
    text += procedure;
    text += " get exec } if\r\n";
    return text;
}

std::string featuresDictPut(bool& prologueFlag, std::string_view key, std::string_view value) {
    if (key.empty() || key.front() == '\0' || (!value.empty() && value.front() == '\0')) return {};
    std::string text = featuresDictPrologue(prologueFlag);
    text += dictionaryName;
    text += " /";
    text += key;
    if (value.empty()) {
        text += " undef\r\n";
    } else {
        text += ' ';
        text += value;
        text += " put\r\n";
    }
    return text;
}

}  // namespace pd
