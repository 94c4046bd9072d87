#include "app/windowsize.h"

#include "frame/look.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QProcess>
#include <QScreen>
#include <QSettings>
#include <QWidget>
#include <QWindow>
#include <QtGlobal>
#include <cmath>

namespace {
const QString kSizeKey = QStringLiteral("window/size");
const QString kFillKey = QStringLiteral("window/fillFactor");
// A window's frame and title bar, at factor 1, as most desktops draw them.
constexpr int kFrameWidth = 16;
constexpr int kFrameHeight = 48;
// The factor of one run started again for its screen, handed to that run
// alone (never kept, never handed further).
constexpr char kRunFactor[] = "MINUKA_SCREEN_FACTOR";
bool startedForScreen = false;
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

double FullScreenScaleFactor(QSize window, QSize screen)
{
    const double across = double(screen.width()) / window.width();
    const double down = double(screen.height()) / window.height();
    return qMax(1.0, std::floor(qMin(across, down) * 20) / 20);
}

double ScreenScaleFactor(const QSettings &settings, QSize window, QSize screen, QSize available)
{
    if (KeptFullScreen(settings))
        return FullScreenScaleFactor(window, screen);
    return qMin(StartScaleFactor(settings), FillingScaleFactor(window, available));
}

bool KeptFullScreen(const QSettings &settings)
{
    return SavedWindowSize(settings) == 0;
}

namespace {
// The backdrop of this run on the whole screen; null in windows.
QPointer<QWidget> stage;

// Every window shown on the whole screen stays in front of the backdrop,
// also one made later (the record, the help): a click on the backdrop
// never hides the program behind it.
class StageKeeper : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && stage && watched != stage && watched->isWidgetType()) {
            auto *w = static_cast<QWidget *>(watched);
            if (w->isWindow() && w->windowHandle() && !w->windowHandle()->transientParent())
                w->windowHandle()->setTransientParent(stage->windowHandle());
        }
        return false;
    }
};
}  // namespace

bool StartFullScreenStage()
{
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, SettingsOrganization(),
                             SettingsApplication());
    if (!KeptFullScreen(settings))
        return false;
    stage = new QWidget(nullptr, Qt::FramelessWindowHint);
    stage->setObjectName(QStringLiteral("FullScreenStage"));
    stage->setAttribute(Qt::WA_DeleteOnClose);
    QPalette p = stage->palette();
    p.setColor(QPalette::Window, Look::Background);
    stage->setPalette(p);
    stage->setAutoFillBackground(true);
    // Covers the screen also where no window manager makes it full screen
    // (a kiosk's bare X session).
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        stage->setGeometry(screen->geometry());
    stage->showFullScreen();
    qApp->installEventFilter(new StageKeeper(stage.data()));
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, stage.data(), &QWidget::close);
    return true;
}

void PutOnStage(QWidget *window)
{
    if (!stage || window == stage || !window->isWindow())
        return;
    window->setWindowFlag(Qt::FramelessWindowHint, true);
    const QRect screen = stage->screen()->geometry();
    window->move(screen.center() - QPoint(window->width() / 2, window->height() / 2));
}

FullScreenKeys::FullScreenKeys(bool fullScreen, std::function<void()> toggle, QObject *parent)
    : QObject(parent), fullScreen_(fullScreen), toggle_(std::move(toggle))
{
}

bool FullScreenKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (key == Qt::Key_F11 || (fullScreen_ && key == Qt::Key_Escape)) {
        toggle_();
        return true;
    }
    return false;
}

bool ApplySavedWindowSize()
{
    const QByteArray forScreen = qgetenv(kRunFactor);
    qunsetenv(kRunFactor);
    if (!forScreen.isEmpty() && forScreen.toDouble() >= 1 && forScreen.toDouble() <= 8) {
        startedForScreen = true;
        qputenv("QT_SCALE_FACTOR", forScreen);
        return true;
    }
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

double RefitForScreen(bool factorSetHere)
{
    // A factor the user's environment names is theirs; a run started again
    // for its screen is right by then.
    if (startedForScreen || (!factorSetHere && qEnvironmentVariableIsSet("QT_SCALE_FACTOR")))
        return 0;
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 0;
    const double now = factorSetHere ? qgetenv("QT_SCALE_FACTOR").toDouble() : 1;
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, SettingsOrganization(), SettingsApplication());
    const QSize window(Look::ScreenWidth, Look::ScreenHeight);
    const double fit =
        ScreenScaleFactor(settings, window, screen->geometry().size() * now, screen->availableGeometry().size() * now);
    if (std::abs(fit - now) < 0.001)
        return 0;
    if (KeptFullScreen(settings))
        settings.setValue(kFillKey, fit);
    return fit;
}

void StartAgainAt(bool factorSetHere, double factor)
{
    qputenv(kRunFactor, QByteArray::number(factor, 'g', 4));
    StartAgain(factorSetHere);
    qunsetenv(kRunFactor);
}

void StartAgain(bool factorSetHere)
{
    if (factorSetHere)
        qunsetenv("QT_SCALE_FACTOR");
    QProcess::startDetached(QCoreApplication::applicationFilePath(), QCoreApplication::arguments().mid(1));
}
