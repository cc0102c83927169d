#pragma once

#include <QApplication>

#include <memory>

namespace ordavex {

// Makes the application object. A fatal message while it is made (no display to connect to, no
// usable platform) ends the program with status 1 and a plain word to the user instead of an
// abort: it comes from the environment, so it is neither a crash to leave a core dump for nor one
// that reinstalling mends, as Qt's own text suggests. Later fatal messages abort as usual.
std::unique_ptr<QApplication> StartApplication(int& argc, char** argv);

}  // namespace ordavex
