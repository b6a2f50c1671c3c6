// The standard windowed controls: panel, custom-drawn control, edit, memo.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "platform/ui/win_control.h"

namespace launcher {

// A panel: its colour, an optional centred caption, children inside its border.
class Panel : public WinControl {
public:
    explicit Panel(Component* owner);
    TextAlign Alignment() const { return alignment_; }
    void SetAlignment(TextAlign a) {
        alignment_ = a;
        Invalidate();
    }

protected:
    void PaintWindow(Canvas& canvas) override;

private:
    TextAlign alignment_ = TextAlign::Center;
};

// A windowed control that draws itself completely on its own canvas; a left
// press captures the mouse and a release inside runs Click.
class CustomControl : public WinControl {
public:
    explicit CustomControl(Component* owner);

protected:
    void PaintWindow(Canvas& canvas) override;
    // The control's own drawing over its background colour.
    virtual void Paint(Canvas&) override {}
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    bool clickArmed_ = false;
    bool inside_ = false;
};

// A single-line edit: length limit, no input method, key-down event.
class Edit : public WinControl {
public:
    explicit Edit(Component* owner);
    std::u16string Text() const override;
    void SetText(const std::u16string& text) override;
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int n);
    bool BorderVisible() const { return border_; }
    void SetBorderVisible(bool v) { border_ = v; }

protected:
    void GetCreateParams(CreateParams& params) override;
    void HandleCreated() override;
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    int maxLength_ = 0;
    bool border_ = true;
};

// A read-only memo: several lines, no caret editing.
class Memo : public Edit {
public:
    explicit Memo(Component* owner);
    const std::vector<std::u16string>& Lines() const { return lines_; }
    void SetLines(std::vector<std::u16string> lines);

protected:
    void GetCreateParams(CreateParams& params) override;

private:
    std::vector<std::u16string> lines_;
};
}  // namespace launcher
