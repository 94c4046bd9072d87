#include "app/windowsize.h"

#include <QCoreApplication>
#include <QProcess>
#include <QSettings>
#include <QtGlobal>
#include <cmath>

namespace {
const QString kSizeKey = QStringLiteral("window/size");
const QString kFillKey = QStringLiteral("window/fillFactor");
// A window's frame and title bar, at factor 1, as most desktops draw them.
constexpr int kFrameWidth = 16;
constexpr int kFrameHeight = 48;
}  // namespace

const QList<WindowSizeChoice> &WindowSizeChoices()
{
    static const QList<WindowSizeChoice> choices = {
        {100, QStringLiteral("１００％")}, {125, QStringLiteral("１２５％")}, {150, QStringLiteral("１５０％")},
        {200, QStringLiteral("２００％")}, {0, QStringLiteral("がめんいっぱい")},
    };
    return choices;
}

QString SettingsOrganization()
{
    return QStringLiteral("minuka");
}

QString SettingsApplication()
{
    return QStringLiteral("minuka");
}

int SavedWindowSize(const QSettings &settings)
{
    bool ok = false;
    const int percent = settings.value(kSizeKey).toInt(&ok);
    for (const WindowSizeChoice &c : WindowSizeChoices())
        if (ok && c.percent == percent)
            return percent;
    return 100;
}

void SaveWindowSize(QSettings &settings, int percent, double fillFactor)
{
    settings.setValue(kSizeKey, percent);
    if (percent == 0)
        settings.setValue(kFillKey, fillFactor);
    settings.sync();
}

double StartScaleFactor(const QSettings &settings)
{
    const int percent = SavedWindowSize(settings);
    if (percent != 0)
        return percent / 100.0;
    const double fill = settings.value(kFillKey).toDouble();
    return fill >= 1 && fill <= 8 ? fill : 1;
}

double FillingScaleFactor(QSize window, QSize available)
{
    const double across = double(available.width()) / (window.width() + kFrameWidth);
    const double down = double(available.height()) / (window.height() + kFrameHeight);
    return qMax(1.0, std::floor(qMin(across, down) * 20) / 20);
}

bool ApplySavedWindowSize()
{
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        return false;
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, SettingsOrganization(),
                             SettingsApplication());
    const double factor = StartScaleFactor(settings);
    if (factor == 1)
        return false;
    qputenv("QT_SCALE_FACTOR", QByteArray::number(factor, 'g', 4));
    return true;
}

void StartAgain(bool factorSetHere)
{
    if (factorSetHere)
        qunsetenv("QT_SCALE_FACTOR");
    QProcess::startDetached(QCoreApplication::applicationFilePath(), QCoreApplication::arguments().mid(1));
}
