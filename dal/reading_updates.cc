// Updates of the chosen readings: unit price and state.

#include "dal/dal_comandos.h"
#include "dal/dal_error.h"
#include "dal/query.h"
#include "dal/reading_lists.h"
#include "dal/sql_text.h"

namespace pellora {

void HlpDb_LeiturasPrcUnitSet(std::vector<std::string>& terminals, std::vector<std::string>& syncs,
                              std::string article, double price) {
  ComandosTrap("HlpDb_LeiturasPrcUnitSet", [&] {
    // Every reading of the article in the chosen sets, whatever its state.
    RunCommand(SqlLines(
        {"UPDATE   oru_ARM_Picking_Movimentos  ",
         "SET      [PrecoUnitario] = '" + SqlNumber(price) + "'  ",
         "WHERE    " + SetsInLists(terminals, syncs) + " AND Artigo='" + SqlText(article) + "' "}));
  });
}

void HlpDb_LeiturasEstadoSet(bool so_um, std::vector<std::string>& terminals,
                             std::vector<std::string>& syncs, int16_t line, int16_t state) {
  ComandosTrap("HlpDb_LeiturasEstadoSet", [&] {
    // One reading of the set of element 1, or every reading of the chosen sets.
    const std::string rows =
        so_um ? FirstSet(terminals, syncs) + " AND NumeroLinha=" + SqlNumber(line) + " "
              : SetsInLists(terminals, syncs) + " ";
    RunCommand(SqlLines({"UPDATE   oru_ARM_Picking_Movimentos  ",
                         "SET      [Estado] = " + SqlNumber(state) + "  ", "WHERE    " + rows}));
  });
}

}  // namespace pellora
