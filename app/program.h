#pragma once

struct Services;

// The whole program after its own --help and --version: the application
// object, its identity, and start-up with the given services.
int runProgram(int argc, char *argv[], const Services &services);
