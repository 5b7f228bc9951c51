#pragma once

#include <QString>
#include <QStringList>

#include <initializer_list>

class QProcess;

// The one way the engine starts a program (the encoder, the prober, the CD
// extractor): besides standard input, output and error it gets exactly the
// open files it is handed, never one that another thread of this process
// has open without close-on-exec at that moment (a library's pipe, say,
// whose reader would then wait for an end that the child holds back).
namespace childprocess {

// Starts process; a negative descriptor in handed stands for none.
// standardOutput, when not negative, is the child's standard output in place
// of what process says. On Windows, where the files are handed by name,
// handed and standardOutput are ignored.
void start(QProcess &process, const QString &program, const QStringList &arguments,
           std::initializer_list<int> handed = {}, int standardOutput = -1);

} // namespace childprocess
