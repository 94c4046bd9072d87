#pragma once
#include "app/screens.h"
#include "frame/platform.h"

#include <QList>
#include <QString>
#include <memory>
#include <vector>

class TForm1;
class TScreen;
class TDataModule1;
class QObject;

// The whole program as start-up builds it: the data module first, then the
// contents screen, then every lesson and drill screen, hidden. The seams are
// handed in, so a test builds the very same program with fakes.
class Program {
public:
    // Whether the constructor makes the lesson and drill screens too, or
    // leaves them to createScreens() (so the contents screen can be shown
    // to the pupil first).
    enum class Screens { Now, Later };

    Program(const Services &seams, const QString &dataFolder, Screens screens = Screens::Now);
    // Makes every screen of ScreenRegistry() in its order, once.
    void createScreens();
    ~Program();
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    TForm1 *contents() const { return contents_.get(); }
    TScreen *screen(int form) const;
    QList<int> forms() const;  // form numbers of the screens present, in creation order
    TDataModule1 *data() const { return data_.get(); }
    const Services &services() const { return services_; }

private:
    Services services_;
    std::unique_ptr<TDataModule1> data_;
    std::unique_ptr<TForm1> contents_;
    std::vector<std::pair<int, std::unique_ptr<TScreen>>> screens_;
    std::unique_ptr<QObject> release_;  // gives a hidden screen's window back
};
