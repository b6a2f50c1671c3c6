#include "core/batch_text.h"

#include <string_view>

#include "core/ustring.h"

namespace launcher {
namespace {

void ReplaceAll(std::u16string& text, std::u16string_view from, std::u16string_view to) {
    for (std::size_t at = text.find(from); at != std::u16string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

// Sleeps about a second. timeout and choice return at once in a batch without a
// console (CREATE_NO_WINDOW); ping pauses there too and costs no CPU time.
constexpr char16_t kPause[] = u"ping -n 2 127.0.0.1 >nul";

}  // namespace

std::u16string EscapeBatPath(const std::u16string& Path) {
    std::u16string text = Path;
    // The order matters: carets in the path are doubled before any are added.
    ReplaceAll(text, u"%", u"%%");
    ReplaceAll(text, u"^", u"^^");
    ReplaceAll(text, u"&", u"^&");
    ReplaceAll(text, u";", u"^;");
    ReplaceAll(text, u",", u"^,");
    ReplaceAll(text, u"=", u"^=");
    ReplaceAll(text, u"\u3000", u"^\u3000");
    ReplaceAll(text, u" ", u"^ ");
    return text;
}

// cmd's IF tests the file name only up to its first blank, escaped or not, and
// Wine's cmd keeps the carets in the name; a quoted name works on both, and inside
// quotes only "%" still needs escaping.
std::u16string QuoteBatCondition(const std::u16string& Path) {
    std::u16string text = Path;
    ReplaceAll(text, u"%", u"%%");
    return u"\"" + text + u"\"";
}

// Started in the parent folder, where the exam program then starts too; no "cd.."
// is needed, and nothing keeps the launcher folder as its working folder.
std::vector<std::u16string> ExamStartBatLines(const std::u16string& FilePath) {
    const std::u16string esc = EscapeBatPath(FilePath);
    return {
        u"IF NOT EXIST " + QuoteBatCondition(FilePath) + u" GOTO Lbl2",
        u"START /b \"\" ^\"" + esc + u"^\"",
        u":Lbl2",
        u"DEL %0",
        u"EXIT",
    };
}

// Each loop pauses between tries, and both together give up after Tries tries,
// so a launcher that can never be removed does not keep a hidden process running.
std::vector<std::u16string> CleanupBatLines(const std::u16string& ExeFullPath,
                                            const std::u16string& LauncherDir,
                                            int Tries) {
    const std::u16string exe = EscapeBatPath(ExeFullPath);
    const std::u16string dir = EscapeBatPath(LauncherDir);
    const std::u16string giveUp = u"IF %Tries% GEQ " + IntToStr(Tries) + u" GOTO Lbl2";
    return {
        u"SET Tries=0",
        u":Lbl0",
        u"DEL ^\"" + exe + u"^\"",
        u"IF NOT EXIST " + QuoteBatCondition(ExeFullPath) + u" GOTO Lbl1",
        u"SET /A Tries+=1",
        giveUp,
        kPause,
        u"GOTO Lbl0",
        u":Lbl1",
        u"RMDIR ^\"" + dir + u"^\"",
        u"IF NOT EXIST " + QuoteBatCondition(LauncherDir) + u" GOTO Lbl2",
        u"SET /A Tries+=1",
        giveUp,
        kPause,
        u"GOTO Lbl1",
        u":Lbl2",
        u"DEL %0",
        u"EXIT",
    };
}

std::u16string JoinBatLines(const std::vector<std::u16string>& Lines) {
    std::u16string text;
    for (const auto& line : Lines)
        text += line + u"\r\n";
    return text;
}

}  // namespace launcher
