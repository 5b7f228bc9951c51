// The online module: the network stack is loaded with it, on the thread
// that does the program's network work, and never on the window's.
#include "networkbackend.h"

extern "C" Q_DECL_EXPORT online::OnlineBackend *
tonewright_online_backend_v2(const QUrl &statsServer)
{
    return online::createNetworkBackend(statsServer).release();
}
