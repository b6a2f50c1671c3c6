#include "core/examinee_folder.h"

#include <initializer_list>

#include "core/ustring.h"

namespace launcher {

std::u16string ComposeChangeFileName(const std::u16string& FileName,
                                     const std::u16string& KaiCode,
                                     const std::u16string& VenueCode,
                                     const std::u16string& ExamineeNumber,
                                     const std::u16string& RandomKey) {
    return u"受験者用_" + (FileName.empty() ? KaiCode : FileName) + u"_" + VenueCode + u"_" + ExamineeNumber + u"［" +
           RandomKey + u"］";
}

std::u16string ExamProgramName(const std::u16string& BuMei) {
    return u"[1]" + BuMei + u".exe";
}

bool IsSingleName(std::u16string_view Name) {
    if (Name.find_first_not_of(u". ") == std::u16string_view::npos)
        return false;  // empty, or a name Windows trims to nothing or reads as "." or ".."
    for (char16_t c : Name) {
        if (c < 0x20 || std::u16string_view(u"\\/:*?\"<>|").find(c) != std::u16string_view::npos)
            return false;
    }
    return true;
}

std::u16string StartRefusal(const StartNames& Names) {
    // The title and the part name come from the package's INI files: a separator
    // or ".." in them would put the examinee folder or the program started from it
    // somewhere else.
    if (!IsSingleName(Names.ChangeFileName)) {
        std::u16string detail = Names.FileName.empty() ? u"「開発コード」" : u"「ファイル名称」";
        detail += u"からできる受験者用フォルダ名「";
        detail += Names.ChangeFileName;
        detail += u"」は、フォルダ名として使えません。";
        return detail;
    }
    const std::u16string program = ExamProgramName(Names.BuMei);
    if (!IsSingleName(program))
        return u"「部種名称」からできる受験プログラム名「" + program + u"」は、ファイル名として使えません。";

    // Too long a path fails late and quietly: an INI read comes back empty, the
    // batch cannot start the program, and the launcher removes itself.
    const std::u16string exam = Names.LauncherDir + Names.RootDir + u"\\";
    const std::u16string examinee = Names.ChangeFileDir + Names.ChangeFileName;
    for (const std::u16string& path : {
             exam + u"system\\system.ini",
             exam + u"system\\shiken.ini",
             exam + u"system\\1\\setup.ini",
             Names.LauncherDir + Names.ChangeFileName,
             examinee + u"\\" + program,
             Names.ChangeFileDir + u"JukenExeStart.BAT",
             Names.ChangeFileDir + u"Corvanta.BAT",
         }) {
        if (path.size() > kMaxPathLength) {
            // A message shows 200 characters: the path's end tells which one it is.
            constexpr std::size_t kShown = 100;
            std::u16string detail = u"パスが長すぎます（" + IntToStr(static_cast<std::int64_t>(path.size()));
            detail += u"文字、" + IntToStr(static_cast<std::int64_t>(kMaxPathLength)) + u"文字まで）：";
            detail += path.size() > kShown ? u"…" + path.substr(path.size() - kShown) : path;
            return detail;
        }
    }
    return {};
}

}  // namespace launcher
