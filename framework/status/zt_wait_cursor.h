// CZTWaitCursor: the wait cursor and the status bar's animated text for one long operation.
//
// While it lives the application shows its wait cursor and the status bar animates beside the
// operation's text; the text may change on the way. User-interface thread.
#pragma once

class CZTWaitCursor {
public:
    // Begins the wait cursor, then shows `texto` with the animation from frame `primeiro` to
    // `ultimo` (-1: the last frame).
    CZTWaitCursor(const char* texto, int primeiro, int ultimo);
    // Stops the animation with an empty text, then ends the wait cursor.
    virtual ~CZTWaitCursor();
    CZTWaitCursor(const CZTWaitCursor&) = delete;
    CZTWaitCursor& operator=(const CZTWaitCursor&) = delete;

    // Shows `texto` as the operation's text.
    void SetTexto(const char* texto);
};
