#pragma once

// The console program writes its lines in UTF-8, as Qt writes text. While
// this lives, a console window shows them so: on Windows, where a console
// shows another code page unless told, it is told, and given its own back at
// the end. Defined once for each system.
class Utf8Console
{
public:
    Utf8Console();
    ~Utf8Console();
    Utf8Console(const Utf8Console &) = delete;
    Utf8Console &operator=(const Utf8Console &) = delete;

private:
    unsigned int previousCodePage = 0; // 0: none changed
};
