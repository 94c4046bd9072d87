#include "app/program.h"

#include "app/contents.h"
#include "frame/frame.h"
#include "frame/screen.h"
#include "store/datamodule.h"

#include <QApplication>
#include <QMap>

Program::Program(const Services &seams, const QString &dataFolder, Screens screens) : services_(seams)
{
    QApplication::setApplicationDisplayName(QStringLiteral("ミヌカ"));
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
        byForm.insert(entry.form, screen.get());
        screens_.emplace_back(entry.form, std::move(screen));
    }
    contents_->setScreens(byForm);
}

Program::~Program()
{
    // Screens go before the contents screen and the data module they use.
    screens_.clear();
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
