// demo_control.exe <command...>: sends one command to the running demo panel and prints its answer.
// scripts/demo-control.sh runs it in the demo's Wine session.
#include <cstdio>
#include <string>

#include "demo_control_client.h"

int main(int argc, char** argv) {
  std::string command;
  for (int i = 1; i < argc; ++i) command += (i > 1 ? " " : "") + std::string(argv[i]);
  if (command.empty()) {
    std::fprintf(stderr, "usage: demo_control <command>; \"help\" lists the commands\n");
    return 2;
  }
  std::string reply;
  if (!SendDemoCommand(command, reply)) {
    std::fprintf(stderr, "no demo panel answered\n");
    return 1;
  }
  std::printf("%s\n", reply.c_str());
  return reply.rfind("error", 0) == 0 ? 1 : 0;
}
