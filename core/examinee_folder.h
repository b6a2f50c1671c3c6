// The examinee folder's name: who sits the exam, where, and a key that makes it unique.
#pragma once
#include <string>

namespace launcher {

// "受験者用_" + title + "_" + venue code + "_" + examinee number + "［" + key + "］",
// where the title is FileName, or KaiCode when FileName is empty. The entries go in
// exactly as typed.
std::u16string ComposeChangeFileName(const std::u16string& FileName,
                                     const std::u16string& KaiCode,
                                     const std::u16string& VenueCode,
                                     const std::u16string& ExamineeNumber,
                                     const std::u16string& RandomKey);

}  // namespace launcher
