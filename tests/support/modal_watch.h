// Answers the message boxes and dialogs that the code under test opens on this
// thread, and records what each showed. Modal boxes run their own message loop
// inside the call under test; a thread-local CBT hook sees each one activate,
// reads it and posts the button press that closes it.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

struct SeenBox {
    HWND window;
    std::string caption;
    std::string text;         // a message box's text (static control 0xFFFF)
    HWND owner;
    bool hasIcon;             // a message box's icon is shown
    std::vector<int> buttons; // ids of the visible push buttons
};

class ModalWatch {
public:
    // Decides what a box gets: the id of the button to press (posted as
    // WM_COMMAND), or 0 to leave the box alone after doing something to it.
    using Answer = std::function<int(const SeenBox&)>;

    // Presses OK on every box.
    ModalWatch();
    explicit ModalWatch(Answer answer);
    ~ModalWatch();
    ModalWatch(const ModalWatch&) = delete;
    ModalWatch& operator=(const ModalWatch&) = delete;

    const std::vector<SeenBox>& boxes() const { return seen; }
    // "caption: text" of every box, in order.
    std::vector<std::string> summaries() const;

private:
    static LRESULT CALLBACK onCbt(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK onWatchdog(HWND, UINT, UINT_PTR, DWORD);

    Answer answer;
    HHOOK hook;
    UINT_PTR watchdog;
    std::vector<SeenBox> seen;
};

// Dispatches this thread's waiting messages until none is left or the time
// limit has passed: painting and posted commands arrive before a check.
void pumpMessages(DWORD limitMs = 500);
