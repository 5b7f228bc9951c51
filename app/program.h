#pragma once

#include "onlinebackend.h"

struct Services;

// The services the program starts with: those of Services() and the
// user's settings store. Start-up adds the parts that need the application
// object.
Services programServices();

// The whole program after its own --help and --version: the application
// object, its identity, and start-up with the given services (and the
// network backend; empty: the online module's).
int runProgram(int argc, char *argv[], const Services &services,
               online::OnlineBackendFactory onlineBackend = {});
