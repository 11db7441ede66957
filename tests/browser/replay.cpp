// Replays a record of intents (app/intent_text.h), one a line, from the file
// named by the argument on the native model, and prints everything the
// window then holds (app/state_text.h): the browser tests compare it with
// the same text from the page's model.
#include <fstream>
#include <iostream>
#include <string>

#include "app/intent_text.h"
#include "app/state_text.h"
#include "app/window.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: sorvane_replay RECORD\n";
    return 2;
  }
  std::ifstream record(argv[1]);
  if (!record) {
    std::cerr << "sorvane_replay: cannot read " << argv[1] << "\n";
    return 2;
  }
  app::Window window;
  int number = 0;
  for (std::string line; std::getline(record, line);) {
    ++number;
    if (line.empty()) continue;
    const auto intent = app::ParseIntent(line);
    if (!intent) {
      std::cerr << "sorvane_replay: line " << number << " is no intent: " << line << "\n";
      return 2;
    }
    window.Apply(*intent);
  }
  std::cout << app::StateText(window);
  return 0;
}
