#pragma once
// Starting the sending when the settings name a class's server.
#include "server/sender.h"

#include <memory>

class TDataModule1;
class TForm1;

// Starts sending the record of `data` to the server, with the sign on the
// contents window. Nothing when the settings name no server.
std::unique_ptr<ServerSender> StartSending(const ServerSettings &settings, TDataModule1 *data, TForm1 *contents);
