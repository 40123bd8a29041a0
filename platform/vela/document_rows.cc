#include "platform/vela/document_rows.h"

#include "platform/vela/company_sql.h"
#include "platform/vela/insert_batch.h"
#include "platform/vela/member_values.h"
#include "platform/vela/sql_literal.h"
#include "runtime/clock.h"
#include "runtime/date.h"
#include "runtime/date_text.h"

namespace pellora::vela {

namespace {

using enum ColumnKind;

constexpr ColumnMember kHeaderColumns[] = {
    {"Data", "DATA", kDate},
    {"Terceiro", "TERCEIRO", kText},
    {"NumeroContribuinte", "NCONTRIB", kText},
    {"Sector", "SECTOR", kText},
    {"Moeda", "MOEDA", kText},
    {"IvaIncluido", "IVAINCL", kFlag},
    {"TipoPreco", "TIPOPRECO", kNumber},
    {"VossoNoDocumento", "VNUMDOC", kText},
    {"DescontoCabecalho", "DESCCAB", kNumber},
    {"Vendedor", "VENDEDOR", kText},
    {"MoradaDescarga", "MORADADSG", kText},
    {"LocalDescarga", "LOCALDSG", kText},
    {"PaisDescarga", "PAISDSG", kText},
    {"CodigoPostalDescarga", "CDPOSTDSG", kText},
    {"LocalCarga", "LOCALCG", kText},
    {"DataCarga", "DATACG", kDate},
    {"HoraCarga", "HORACG", kText},
    {"ModoDePagamento", "MODOPGT", kText},
    {"PrazoDePagamento", "PRAZOPGT", kNumber},
    {"DocRefNumberCodeOriginal", "DOCREFNUMBERCODE_ORIGINAL", kNumber},
    {"DocRefNumberOriginal", "DOCREFNUMBER_ORIGINAL", kText},
    {"FEGLNEmpresa", "FEGLNEMPRESA", kText},
    {"FEIdDepTerceiro", "FEIDDEPTERCEIRO", kText},
    {"FETpDocOutro", "FETPDOCOUTRO", kText},
    {"DtPrestacao", "DTPRESTACAO", kDate},
    {"Reference", "REFERENCIA", kText},
    {"Reason", "MOTIVO", kText},
};

constexpr ColumnMember kLineColumns[] = {
    {"TipoDeLinha", "TPLINHA", kNumber},
    {"Artigo", "ARTIGO", kText},
    {"Descricao", "DESCR", kText},
    {"Armazem", "ARMAZEM", kText},
    {"Unidade", "UNIDADE", kText},
    {"Factor", "FACTOR", kNumber},
    {"Quantidade", "QUANT", kNumber},
    {"Quantidade", "QTDINTRO", kNumber},
    {"QuantidadeOrigem", "QTDORIG", kNumber},
    {"PrecoUnitario", "PRUNIT", kNumber},
    {"PrecoUnitarioIntroduzido", "PRUNITINT", kNumber},
    {"TaxaDesconto", "TXDESC", kNumber},
    {"Desconto", "DESCONTO", kNumber},
    {"TaxaIva", "TAXAIVA", kNumber},
    {"Vendedor", "VENDEDOR", kText},
    {"OrDoc", "ORDOC", kText},
    {"OrSerie", "ORSERIE", kText},
    {"OrNum", "ORNUM", kNumber},
    {"OrAno", "ORANO", kNumber},
    {"LinhaOriginal", "LINORIG", kNumber},
    {"EcotaxaProcessada", "ECOTAXA", kFlag},
};

// Quantity × unit price, less the rate discount and the value discount.
double LineTotal(const LateBoundObject& line) {
  const double gross = NumberOf(line.Get("Quantidade")) * NumberOf(line.Get("PrecoUnitario"));
  return gross * (1 - NumberOf(line.Get("TaxaDesconto")) / 100) - NumberOf(line.Get("Desconto"));
}

InsertStatement LineRow(const LateBoundObject& line, int number, const DocumentKey& key) {
  InsertStatement insert("DOCGCLIN");
  insert.AddKey(key, "TPDOCUM");
  insert.AddNumber("NUMLINHA", number);
  insert.AddNumber("ORDENACA", number);
  insert.AddNumber("LINANU", 0);
  insert.AddMembers(line, kLineColumns);
  insert.AddNumber("TOTLIQ", LineTotal(line));
  return insert;
}

void InsertHeader(DataAccess& data_access, const DocumentContent& document,
                  const DocumentType& type, const DocumentKey& key, double lines_total) {
  const Date now = Now();
  const Variant today(IsoDateTimeText(DateOnly(now)));
  const Variant time(TimeOfDayText(now));
  InsertStatement insert("DOCGCCAB");
  insert.AddKey(key, "TPDOC");
  insert.AddMembers(document.cab, kHeaderColumns);
  insert.AddNumber("TPTERC", static_cast<int>(type.counterpart));
  insert.AddNumber("AREAG", type.area);
  insert.AddNumber("TPOPER", type.operation);
  insert.AddNumber("TPFSTC", static_cast<int>(type.stock));
  insert.AddNumber("NVIAS", 0);
  insert.AddNumber("ORIGEM", document.origem);
  insert.AddNumber("TOTAL",
                   lines_total * (1 - NumberOf(document.cab.Get("DescontoCabecalho")) / 100));
  insert.Add("DateNew", today);
  insert.Add("HOURNEW", time);
  insert.Add("DateUpd", today);
  insert.Add("HourUpd", time);
  insert.Run(data_access);
}

}  // namespace

void InsertDocumentRows(DataAccess& data_access, const DocumentContent& document,
                        const DocumentType& type, const DocumentKey& key) {
  double lines_total = 0;
  InsertBatch lines(data_access);
  for (size_t i = 0; i < document.lines.size(); ++i) {
    lines.Add(LineRow(*document.lines[i], static_cast<int>(i + 1), key));
    lines_total += LineTotal(*document.lines[i]);
  }
  lines.Flush();
  InsertHeader(data_access, document, type, key, lines_total);
}

}  // namespace pellora::vela
