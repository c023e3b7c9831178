#pragma once

#include <QString>

class Dialogs;
class HangarWindow;

// A hangar over `folder` alone, shown, its aircraft being read.
HangarWindow *openHangar(Dialogs &dialogs, const QString &folder);

// The same once it has read and shown every aircraft.
HangarWindow *filledHangar(Dialogs &dialogs, const QString &folder);
