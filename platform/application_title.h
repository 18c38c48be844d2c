#ifndef PLATFORM_APPLICATION_TITLE_H
#define PLATFORM_APPLICATION_TITLE_H

#include <QString>

// The title of dialogues without one of their own, and the name the records are kept under.
inline QString ApplicationTitle()
{
    return QStringLiteral("Vondrel");
}

#endif
