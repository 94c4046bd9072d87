#include "app/program.h"

#include "app/contents.h"
#include "frame/frame.h"
#include "frame/screen.h"
#include "store/datamodule.h"

#include <QApplication>
#include <QBackingStore>
#include <QEvent>
#include <QMap>
#include <QTimer>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// A hidden screen gives its window back to the system: its native window
// and the buffer it is painted into (some 2.6 MiB each, two dozen screens)
// are made again, in a few milliseconds, when the pupil opens it again.
// Everything the pupil sees on it (captions, picks, the log) is kept in
// its widgets.
class ReleaseWhenHidden : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Hide) {
            auto *window = static_cast<QWidget *>(watched);
            QTimer::singleShot(0, window, [window] {
                if (window->isHidden()) {
                    // The paint buffer is kept by the widget beyond its
                    // native window; a buffer of one pixel is made full
                    // size again, and painted whole, when the screen shows.
                    if (QBackingStore *buffer = window->backingStore())
                        buffer->resize(QSize(1, 1));
                    if (window->testAttribute(Qt::WA_WState_Created))
                        Released::release(window);
#ifdef __GLIBC__
                    // The buffer goes back to the heap; hand the free pages
                    // to the system too, or the memory stays counted.
                    malloc_trim(0);
#endif
                }
            });
        }
        return false;
    }

private:
    // QWidget::destroy() is protected; a pointer to it taken through a class
    // of our own may be called on any widget.
    struct Released : QWidget {
        static void release(QWidget *w) { (w->*&Released::destroy)(true, true); }
    };
};

}  // namespace

Program::Program(const Services &seams, const QString &dataFolder, Screens screens) : services_(seams)
{
    QApplication::setApplicationDisplayName(QStringLiteral("ミヌカ"));
    release_ = std::make_unique<ReleaseWhenHidden>();
    data_ = std::make_unique<TDataModule1>(dataFolder);
    services_.data = data_.get();

    contents_ = std::make_unique<TForm1>(services_);

    // A drill record that cannot be kept is told to the pupil once; the
    // lessons and the drill go on without it.
    QObject::connect(data_.get(), &TDataModule1::failed, contents_.get(), [this](const QString &message) {
        QWidget *front = QApplication::activeModalWidget();
        services_.dialogs->message(front ? front : contents_.get(), message);
    });

    if (screens == Screens::Now)
        createScreens();
}

void Program::createScreens()
{
    if (!screens_.empty())
        return;
    QMap<int, QWidget *> byForm;
    for (const ScreenEntry &entry : ScreenRegistry()) {
        std::unique_ptr<TScreen> screen(entry.make(services_));
        screen->setObjectName(QStringLiteral("Form%1").arg(entry.form));
        WireHandlers(screen.get());
        screen->created();
        screen->installEventFilter(release_.get());
        byForm.insert(entry.form, screen.get());
        screens_.emplace_back(entry.form, std::move(screen));
    }
    contents_->setScreens(byForm);
}

Program::~Program()
{
    // Screens go before the contents screen and the data module they use.
    screens_.clear();
    release_.reset();
    contents_.reset();
    data_.reset();
}

TScreen *Program::screen(int form) const
{
    for (const auto &[f, s] : screens_)
        if (f == form)
            return s.get();
    return nullptr;
}

QList<int> Program::forms() const
{
    QList<int> out;
    for (const auto &[f, s] : screens_)
        out.append(f);
    return out;
}
