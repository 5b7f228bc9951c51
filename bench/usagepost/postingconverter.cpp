// The floor of the usage-post benchmark: show one window, start the encoder
// given on the command line, post one form to the given address, and quit
// once both the encoder and the server's answer are in.
//
//   tw_bench_postingconverter POST_URL ENCODER [ARGUMENTS...]
#include <QApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QProcess>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 3)
        return 2;
    QWidget window;
    window.resize(390, 340);
    window.show();

    int pending = 2;
    auto oneDone = [&app, &pending] {
        if (--pending == 0)
            app.quit();
    };
    QStringList arguments;
    for (int i = 3; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QProcess encoder;
    QObject::connect(&encoder, &QProcess::finished, &app, oneDone);
    QObject::connect(&encoder, &QProcess::errorOccurred, &app, [&app] { app.exit(1); });
    encoder.start(QString::fromLocal8Bit(argv[2]), arguments);

    QNetworkAccessManager manager;
    QNetworkRequest request(QUrl(QString::fromLocal8Bit(argv[1])));
    request.setHeader(QNetworkRequest::ContentTypeHeader,
                      QByteArrayLiteral("application/x-www-form-urlencoded"));
    QNetworkReply *reply = manager.post(request, QByteArrayLiteral("appid=tonewright&partid=main"));
    QObject::connect(reply, &QNetworkReply::finished, &app, oneDone);
    return app.exec();
}
