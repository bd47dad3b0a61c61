// shopassist: the program on the real desktop.
#include "main/desktop_program.h"

int main() {
  // The command line and the start-up show state are not used.
  return desktop_program::RunOnTheDesktop();
}
