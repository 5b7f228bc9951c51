// Both of the program's servers for the benchmarks, on 127.0.0.1 at a free
// port, which it writes to the file given once it listens: every request is
// answered at once (the usage post with 200, all else with 404) and printed
// as one line "METHOD PATH".
#include "httpserver.h"

#include <QCoreApplication>
#include <QFile>
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
    if (!server.listen()) {
        std::fprintf(stderr, "no loopback port to listen on\n");
        return 1;
    }
    QFile portFile(QString::fromLocal8Bit(argv[1]));
    if (!portFile.open(QIODevice::WriteOnly) ||
        portFile.write(QByteArray::number(server.baseUrl().port()) + '\n') < 0)
        return 1;
    portFile.close();
    QObject::connect(&server, &twtest::HttpServer::requestReceived, &app,
                     [](const twtest::HttpRequest &request) {
                         std::printf("%s %s\n", request.method.constData(),
                                     request.path.constData());
                         std::fflush(stdout);
                     });
    return app.exec();
}
