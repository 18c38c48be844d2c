#include "ticks.h"

#include <QThread>

SystemTicks::SystemTicks()
{
    sinceStart.start();
}

std::uint32_t SystemTicks::GetTickCount()
{
    return static_cast<std::uint32_t>(sinceStart.elapsed());
}

void SystemTicks::Sleep(int milliseconds)
{
    QThread::msleep(static_cast<unsigned long>(milliseconds));
}
