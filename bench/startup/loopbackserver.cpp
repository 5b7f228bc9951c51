// Both of the program's servers for the benchmarks, on 127.0.0.1 at the port
// given: every request is answered at once (the usage post with 200, all
// else with 404) and printed as one line "METHOD PATH".
#include "httpserver.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    twtest::HttpServer server;
    twtest::HttpResponse thanks;
    thanks.body = "ok";
    server.route("/statistics/usage.php", thanks);
    if (!server.listen(quint16(QString::fromLatin1(argv[1]).toUInt()))) {
        std::fprintf(stderr, "port %s is taken\n", argv[1]);
        return 1;
    }
    QObject::connect(&server, &twtest::HttpServer::requestReceived, &app,
                     [](const twtest::HttpRequest &request) {
                         std::printf("%s %s\n", request.method.constData(),
                                     request.path.constData());
                         std::fflush(stdout);
                     });
    return app.exec();
}
