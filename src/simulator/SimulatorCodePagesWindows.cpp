#include "simulator/SimulatorCodePages.h"

#include <qt_windows.h>

#include <string>

struct SimulatorCodePages::Known
{
};

SimulatorCodePages::SimulatorCodePages() = default;

SimulatorCodePages::~SimulatorCodePages() = default;

int SimulatorCodePages::codePageOf(const QString &)
{
    return int(GetACP());
}

QString SimulatorCodePages::decode(QByteArrayView bytes, int codePage)
{
    if (bytes.isEmpty())
        return {};
    std::wstring wide(size_t(bytes.size()), L'\0');
    const int size = MultiByteToWideChar(UINT(codePage), 0, bytes.data(), int(bytes.size()), wide.data(),
                                         int(wide.size()));
    wide.resize(size_t(size));
    return QString::fromStdWString(wide);
}

std::optional<QByteArray> SimulatorCodePages::encode(const QString &text, int codePage)
{
    // UTF-8, which Windows may use as its ANSI code page, holds every character.
    if (codePage == CP_UTF8)
        return text.toUtf8();
    const std::wstring wide = text.toStdWString();
    if (wide.empty())
        return QByteArray();
    BOOL defaultUsed = FALSE;
    QByteArray bytes(int(wide.size()) * 2, '\0');
    const int size = WideCharToMultiByte(UINT(codePage), WC_NO_BEST_FIT_CHARS, wide.data(), int(wide.size()),
                                         bytes.data(), int(bytes.size()), nullptr, &defaultUsed);
    if (size == 0 || defaultUsed)
        return std::nullopt;
    bytes.resize(size);
    return bytes;
}
