// Updates of the chosen readings: unit price and state.

#include "dal/dal_comandos.h"
#include "dal/dal_error.h"
#include "dal/query.h"
#include "dal/reading_lists.h"
#include "dal/sql_text.h"

namespace pellora {

void HlpDb_LeiturasPrcUnitSet(const ChosenSets& sets, std::string article, double price) {
  ComandosTrap("HlpDb_LeiturasPrcUnitSet", [&] {
    // Every reading of the article in the chosen sets, whatever its state.
    RunCommand(
        SqlLines({"UPDATE   oru_ARM_Picking_Movimentos  ",
                  "SET      [PrecoUnitario] = '" + SqlNumber(price) + "'  ",
                  "WHERE    " + sets.InLists() + " AND Artigo='" + SqlText(article) + "' "}));
  });
}

void HlpDb_LeiturasEstadoSet(bool so_um, const ChosenSets& sets, int16_t line, int16_t state) {
  ComandosTrap("HlpDb_LeiturasEstadoSet", [&] {
    auto statement = [&](const std::string& rows) {
      return SqlLines({"UPDATE   oru_ARM_Picking_Movimentos  ",
                       "SET      [Estado] = " + SqlNumber(state) + "  ", "WHERE    " + rows});
    };
    // One reading of the set of element 1, or every reading of the chosen sets: the same
    // statement for each reading, built once.
    if (so_um) {
      RunCommand(statement(sets.First() + " AND NumeroLinha=" + SqlNumber(line) + " "));
    } else {
      RunCommand(sets.Statement("Estado=" + std::to_string(state),
                                [&] { return statement(sets.InLists() + " "); }));
    }
  });
}

}  // namespace pellora
