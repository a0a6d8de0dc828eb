#pragma once

namespace op {
class CatalogueTree;
class Database;
class FillInPanel;
}  // namespace op

namespace op::app {

class TFrmMain;

// Start-up step 13: puts the fill-in panel into the window's fill-in area, loads the catalogue into the
// window's tree (which opens the first template), and provides the catalogue's link commands and
// 设置 › 字典表设置. Both objects belong to the window.
struct CatalogueWiring {
  CatalogueTree *catalogue = nullptr;
  FillInPanel *panel = nullptr;
};
CatalogueWiring wireCatalogue(TFrmMain &window, Database &db);

}  // namespace op::app
