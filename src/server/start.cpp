#include "server/start.h"

#include "app/contents.h"
#include "server/sign.h"
#include "store/datamodule.h"

#include <QFileInfo>

std::unique_ptr<ServerSender> StartSending(const ServerSettings &settings, TDataModule1 *data, TForm1 *contents)
{
    if (!settings.isSet() || !data)
        return nullptr;
    const QString record = data->databasePath();
    auto sender = std::make_unique<ServerSender>(settings, record,
                                                 ServerSender::marksFile(QFileInfo(record).absolutePath()));
    if (contents) {
        auto *sign = new ServerSign;
        contents->addServerSign(sign);
        QObject::connect(sender.get(), &ServerSender::stateChanged, sign, &ServerSign::showState);
    }
    sender->start();
    return sender;
}
