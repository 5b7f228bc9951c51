// One conversion as the job runs it, with or without the loudness meter:
// the arguments come from the conversion's own builder and, when measuring,
// every chunk of the encoder's standard output goes through the meter, its
// error output read as the job reads it. Prints the tags the measurement
// gives.
//
//   bench_loudness ENCODER INPUT OUTPUT.mp3 on|off

#include "encoderarguments.h"
#include "loudnessmeter.h"

#include <QCoreApplication>
#include <QProcess>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 5)
        return 2;
    const bool measure = arguments.at(4) == QLatin1String("on");
    QProcess encoder;
    if (!measure)
        encoder.setStandardOutputFile(QProcess::nullDevice());
    LoudnessMeter meter;
    QObject::connect(&encoder, &QProcess::readyReadStandardError, &encoder,
                     [&] { encoder.readAllStandardError(); });
    QObject::connect(&encoder, &QProcess::readyReadStandardOutput, &encoder,
                     [&] { meter.feed(encoder.readAllStandardOutput()); });
    QObject::connect(&encoder, &QProcess::finished, &app, &QCoreApplication::quit);
    encoder.start(arguments.at(1),
                  encoderarguments::build(arguments.at(2), 128, {}, QStringLiteral("mp3"),
                                          arguments.at(3), {}, true, measure));
    app.exec();
    if (encoder.exitStatus() != QProcess::NormalExit || encoder.exitCode() != 0)
        return 1;
    if (const auto track = meter.result()) {
        const auto tags = loudness::trackTags(*track, QStringLiteral("mp3"));
        for (auto it = tags.begin(); it != tags.end(); ++it)
            std::printf("%s=%s\n", qPrintable(it.key()), qPrintable(it.value()));
    }
    return 0;
}
