#pragma once

// Button sets and answers of messageBox. The values are those of the
// platform's message box, so callers may add MB_ICONERROR to a button set.
enum MessageButtons : int {
    MB_OK = 0,
    MB_OKCANCEL = 1,
    MB_YESNO = 4,
    MB_ICONERROR = 16,
};

enum MessageAnswer : int {
    IDOK = 1,
    IDCANCEL = 2,
    IDYES = 6,
    IDNO = 7,
};
