// The least a converter window can do: show one window, start the encoder
// given on the command line, wait for it and quit. The startup benchmark
// holds the real program against this floor.
#include <QApplication>
#include <QProcess>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    QWidget window;
    window.resize(390, 340);
    window.show();

    QStringList arguments;
    for (int i = 2; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QProcess encoder;
    QObject::connect(&encoder, &QProcess::finished, &app, &QCoreApplication::quit);
    QObject::connect(&encoder, &QProcess::errorOccurred, &app, [&app] { app.exit(1); });
    encoder.start(QString::fromLocal8Bit(argv[1]), arguments);
    return app.exec();
}
