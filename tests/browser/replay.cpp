// Replays a record of intents (app/intent_text.h), one a line, from the file
// named by the argument on the native model, and prints everything the
// window then holds (app/state_text.h), or with --scene its whole scene as
// the page is handed it (web/scene_json.h), with --scene VIEW the scene of
// that view beside the lesson ("eye"): the browser tests compare them with
// the same from the page's model. With --fields alone it lists the fields
// of controls and views the scene is written with (app/scene_fields.h), for
// the check of the page's declared types.
#include <fstream>
#include <iostream>
#include <string>

#include "app/intent_text.h"
#include "app/scene_fields.h"
#include "app/state_text.h"
#include "app/window.h"
#include "web/json_writer.h"
#include "web/scene_json.h"

int main(int argc, char** argv) {
  if (argc == 2 && std::string(argv[1]) == "--fields") {
    app::ForEachField(app::ControlItem{}, [](const char* key, const auto&) { std::cout << "ControlItem " << key << "\n"; });
    app::ForEachField(app::ViewItem{}, [](const char* key, const auto&) { std::cout << "ViewItem " << key << "\n"; });
    return 0;
  }
  const bool scene = (argc == 3 || argc == 4) && std::string(argv[2]) == "--scene";
  if (argc != 2 && !scene) {
    std::cerr << "usage: sorvane_replay RECORD [--scene [VIEW]]\n";
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
  if (scene) {
    web::JsonWriter json;
    web::WriteScene(json, argc == 4 ? window.View(argv[3]) : window.View(), {});
    std::cout << json.Text();
  } else {
    std::cout << app::StateText(window);
  }
  return 0;
}
