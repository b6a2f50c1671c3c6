#include "core/examinee_folder.h"

namespace launcher {

std::u16string ComposeChangeFileName(const std::u16string& FileName,
                                     const std::u16string& KaiCode,
                                     const std::u16string& VenueCode,
                                     const std::u16string& ExamineeNumber,
                                     const std::u16string& RandomKey) {
    return u"受験者用_" + (FileName.empty() ? KaiCode : FileName) + u"_" + VenueCode + u"_" + ExamineeNumber + u"［" +
           RandomKey + u"］";
}

}  // namespace launcher
