// The common routines: INI access, the one message routine, folder deletion.
#pragma once
#include <cstdint>
#include <string>

namespace launcher {

class Component;
class StatusBar;

// Reads Section/Key of the INI file named relative to the launcher folder; a
// missing file, section or key reads as empty. At most 2047 characters come back.
std::u16string GetIniString(const std::u16string& IniFileName,
                            const std::u16string& Section,
                            const std::u16string& Key);

// Writes S; a failing write is tried 11 times, 100 ms apart, then raised only
// when ErrorRaiseFlg is set.
void PutIniString(const std::u16string& IniFileName,
                  const std::u16string& Section,
                  const std::u16string& Key,
                  const std::u16string& S,
                  bool ErrorRaiseFlg);

// Shows MsgCD (code + text) with the detail AddMsg; returns the box's answer, or
// 0 when the code names no button set and the text went to Item.
std::uint16_t DispMessage(Component* Sender,
                          StatusBar* Item,
                          const std::u16string& MsgCD,
                          const std::u16string& AddMsg);

// Deletes the folder Path with everything in it, whatever the attributes; a link
// inside is removed as a link, never followed. Raises EOSError on the first
// failed deletion (what was deleted stays deleted). An empty Path does nothing.
void DeleteDirTree(const std::u16string& Path);

}  // namespace launcher
