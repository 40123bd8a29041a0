-- Company database of the host ERP and of the picking extension, in SQLite syntax.
--
-- Declared types are the SQL Server ones, so the data-access backend reports the same ADO types
-- as the production server would. Stored forms: datetime as text 'YYYY-MM-DD HH:MM:SS'; money as
-- a number (SQLite keeps a whole amount as an integer); bit as 0 or 1. Every text column compares
-- as the server's default collation does, case-insensitive and accent-sensitive: pellora_ci, which
-- the connection registers. Identity columns are INTEGER PRIMARY KEY AUTOINCREMENT.

-- Catalogues ------------------------------------------------------------------------------------

CREATE TABLE ARMAZENS (
  CODIGO    nvarchar(6) COLLATE pellora_ci NOT NULL PRIMARY KEY,
  NOME      nvarchar(50) COLLATE pellora_ci NOT NULL,
  MORADA    nvarchar(60) COLLATE pellora_ci,
  LOCALIDA  nvarchar(30) COLLATE pellora_ci,
  CODPOST   nvarchar(10) COLLATE pellora_ci,
  INACTIVO  bit NOT NULL DEFAULT 0
);

CREATE TABLE ARTIGOS (
  CODIGO    nvarchar(30) COLLATE pellora_ci NOT NULL PRIMARY KEY,
  NOME      nvarchar(60) COLLATE pellora_ci NOT NULL,
  FAMILIA   nvarchar(6) COLLATE pellora_ci,
  UNIDADE   nvarchar(5) COLLATE pellora_ci NOT NULL,   -- base unit of stock
  UNEMB     nvarchar(5) COLLATE pellora_ci,            -- packing unit
  FACTEMB   float NOT NULL DEFAULT 1,                  -- base units per packing unit
  UNTRANS   nvarchar(5) COLLATE pellora_ci,            -- transport unit
  FACTTRA   float NOT NULL DEFAULT 1,                  -- base units per transport unit
  TAXAIVA   float NOT NULL DEFAULT 23,
  PVPSIVA   money NOT NULL DEFAULT 0,                  -- sale price without tax
  PVPCIVA   money NOT NULL DEFAULT 0,                  -- sale price with tax
  ULTPRCOM  money NOT NULL DEFAULT 0,                  -- last net purchase price
  ULTPRCBR  money NOT NULL DEFAULT 0,                  -- last gross purchase price
  ULTPMP    money NOT NULL DEFAULT 0,                  -- last weighted average price
  PCM       money NOT NULL DEFAULT 0,                  -- average stock cost
  STDISP    float NOT NULL DEFAULT 0,                  -- stock over every warehouse
  VLREXIST  money NOT NULL DEFAULT 0,                  -- value of that stock
  TOTENCCL  float NOT NULL DEFAULT 0,                  -- quantity on open customer orders
  TOTENCFO  float NOT NULL DEFAULT 0,                  -- quantity on open supplier orders
  CTLOTES   bit NOT NULL DEFAULT 0,                    -- tracked by lot
  CTNSERIE  bit NOT NULL DEFAULT 0,                    -- tracked by serial number
  INACTIVO  bit,
  DateUpd   datetime
);

CREATE TABLE ARTARM (
  ARTIGO    nvarchar(30) COLLATE pellora_ci NOT NULL,
  ARMAZEM   nvarchar(6) COLLATE pellora_ci NOT NULL,
  EXISTENC  float NOT NULL DEFAULT 0,
  VLREXIST  money NOT NULL DEFAULT 0,
  ARMENCCL  float NOT NULL DEFAULT 0,                  -- quantity on open customer orders
  ARMENCFO  float NOT NULL DEFAULT 0,                  -- quantity on open supplier orders
  LOCALIZ   nvarchar(20) COLLATE pellora_ci,
  PRIMARY KEY (ARTIGO, ARMAZEM)
);

CREATE TABLE CLIENTES (
  CODIGO    nvarchar(15) COLLATE pellora_ci NOT NULL PRIMARY KEY,
  NOME      nvarchar(60) COLLATE pellora_ci NOT NULL,
  MORADA    nvarchar(60) COLLATE pellora_ci,
  LOCALIDA  nvarchar(30) COLLATE pellora_ci,
  CODPOST   nvarchar(10) COLLATE pellora_ci,
  PAIS      nvarchar(3) COLLATE pellora_ci,
  NCONTRIB  nvarchar(20) COLLATE pellora_ci,
  DESCCOMP  nvarchar(10) COLLATE pellora_ci,           -- commercial discount, as text
  VENDEDOR  nvarchar(6) COLLATE pellora_ci,
  MODOPGT   nvarchar(3) COLLATE pellora_ci,
  PRAZOPGT  smallint,
  MOEDA     nvarchar(3) COLLATE pellora_ci,
  IDIOMA    nvarchar(5) COLLATE pellora_ci,
  INACTIVO  bit NOT NULL DEFAULT 0
);

CREATE TABLE FORNEC (
  CODIGO    nvarchar(15) COLLATE pellora_ci NOT NULL PRIMARY KEY,
  NOME      nvarchar(60) COLLATE pellora_ci NOT NULL,
  MORADA    nvarchar(60) COLLATE pellora_ci,
  LOCALIDA  nvarchar(30) COLLATE pellora_ci,
  CODPOST   nvarchar(10) COLLATE pellora_ci,
  PAIS      nvarchar(3) COLLATE pellora_ci,
  NCONTRIB  nvarchar(20) COLLATE pellora_ci,
  DESCCOM   nvarchar(10) COLLATE pellora_ci,           -- commercial discount, as text
  MODOPGT   nvarchar(3) COLLATE pellora_ci,
  PRAZOPGT  smallint,
  MOEDA     nvarchar(3) COLLATE pellora_ci,
  INACTIVO  bit NOT NULL DEFAULT 0
);

-- AREAG: 1 other, 3 commercial without stock, 4 commercial with stock. TPOPER: 1 purchase,
-- 2 sale, 3 stock, 4 transfer. ENTIDADE: 0 none, 1 supplier, 2 customer. SINALCT: sign on the
-- current account, 0 none, 1 debit, 2 credit. TPFSTC: stock effect, 0 none, 1 entry, 2 exit,
-- 3 transfer.
CREATE TABLE TPDOC (
  CODIGO    nvarchar(3) COLLATE pellora_ci NOT NULL PRIMARY KEY,
  DESCR     nvarchar(50) COLLATE pellora_ci NOT NULL,
  AREAG     smallint NOT NULL,
  TPOPER    smallint NOT NULL,
  ENTIDADE  smallint NOT NULL DEFAULT 0,
  SINALCT   smallint NOT NULL DEFAULT 0,
  TPFSTC    smallint NOT NULL DEFAULT 0,
  NOTACRED  bit NOT NULL DEFAULT 0,
  INACTIVO  bit NOT NULL DEFAULT 0
);

CREATE TABLE SECTORES (
  CODIGO    nvarchar(3) COLLATE pellora_ci NOT NULL PRIMARY KEY,
  DESCR     nvarchar(50) COLLATE pellora_ci NOT NULL,
  LOCALIDA  nvarchar(30) COLLATE pellora_ci
);

-- ORIGEM 1 marks a series of documents that come from outside the company.
CREATE TABLE NOMSERIE (
  TIPODOC   nvarchar(3) COLLATE pellora_ci NOT NULL,
  SERIE     nvarchar(10) COLLATE pellora_ci NOT NULL,
  DESCR     nvarchar(50) COLLATE pellora_ci NOT NULL,
  ORIGEM    smallint NOT NULL DEFAULT 0,
  INACTIVA  bit NOT NULL DEFAULT 0,
  PRIMARY KEY (TIPODOC, SERIE)
);

-- Last number given per document type, series and year.
CREATE TABLE NUMERADOR (
  TPDOC     nvarchar(3) COLLATE pellora_ci NOT NULL,
  SERIE     nvarchar(10) COLLATE pellora_ci NOT NULL,
  ANO       smallint NOT NULL,
  ULTNUM    int NOT NULL DEFAULT 0,
  PRIMARY KEY (TPDOC, SERIE, ANO)
);

CREATE TABLE IDIOMAS (
  CODIGO    nvarchar(5) COLLATE pellora_ci NOT NULL PRIMARY KEY,
  DESCR     nvarchar(30) COLLATE pellora_ci NOT NULL
);

-- Serial numbers in stock.
CREATE TABLE NSEREXIS (
  ARTIGO    nvarchar(30) COLLATE pellora_ci NOT NULL,
  NUMSER    nvarchar(30) COLLATE pellora_ci NOT NULL,
  ARMAZEM   nvarchar(6) COLLATE pellora_ci NOT NULL,
  DATAENT   datetime,
  PRIMARY KEY (ARTIGO, NUMSER)
);
CREATE INDEX IX_NSEREXIS_ARTIGO_ARMAZEM ON NSEREXIS (ARTIGO, ARMAZEM);

-- Commercial documents ------------------------------------------------------------------------

-- NVIAS -1 marks a cancelled document; [CONVERT] -1 an order fully delivered. HOURNEW and
-- HourUpd hold "HH:MM:SS".
CREATE TABLE DOCGCCAB (
  TPDOC     nvarchar(3) COLLATE pellora_ci NOT NULL,
  SERIE     nvarchar(10) COLLATE pellora_ci NOT NULL,
  ANO       smallint NOT NULL,
  NNUMDOC   int NOT NULL,
  DATA      datetime NOT NULL,
  TPTERC    smallint,
  TERCEIRO  nvarchar(15) COLLATE pellora_ci,
  NOME      nvarchar(60) COLLATE pellora_ci,
  NCONTRIB  nvarchar(20) COLLATE pellora_ci,
  SECTOR    nvarchar(3) COLLATE pellora_ci,
  MOEDA     nvarchar(3) COLLATE pellora_ci NOT NULL DEFAULT 'EUR',
  IVAINCL   bit NOT NULL DEFAULT 0,
  TIPOPRECO smallint NOT NULL DEFAULT 0,
  AREAG     smallint NOT NULL,
  TPOPER    smallint NOT NULL,
  TPFSTC    smallint NOT NULL DEFAULT 0,
  NVIAS     smallint NOT NULL DEFAULT 0,
  ORIGEM    smallint NOT NULL DEFAULT 1,
  [CONVERT] smallint NOT NULL DEFAULT 0,
  VNUMDOC   nvarchar(30) COLLATE pellora_ci,
  DESCCAB   float NOT NULL DEFAULT 0,
  VENDEDOR  nvarchar(6) COLLATE pellora_ci,
  MORADADSG nvarchar(60) COLLATE pellora_ci,
  LOCALDSG  nvarchar(30) COLLATE pellora_ci,
  PAISDSG   nvarchar(3) COLLATE pellora_ci,
  CDPOSTDSG nvarchar(10) COLLATE pellora_ci,
  LOCALCG   nvarchar(30) COLLATE pellora_ci,
  DATACG    datetime,
  HORACG    nvarchar(5) COLLATE pellora_ci,
  MODOPGT   nvarchar(3) COLLATE pellora_ci,
  PRAZOPGT  smallint,
  DOCREFNUMBERCODE_ORIGINAL smallint,
  DOCREFNUMBER_ORIGINAL nvarchar(60) COLLATE pellora_ci,
  FEGLNEMPRESA nvarchar(13) COLLATE pellora_ci,
  FEIDDEPTERCEIRO nvarchar(30) COLLATE pellora_ci,
  FETPDOCOUTRO nvarchar(3) COLLATE pellora_ci,
  DTPRESTACAO datetime,
  REFERENCIA nvarchar(100) COLLATE pellora_ci,         -- document corrected by a credit note
  MOTIVO    nvarchar(100) COLLATE pellora_ci,          -- reason of a credit note
  TOTAL     money NOT NULL DEFAULT 0,
  DateNew   datetime,
  HOURNEW   nvarchar(8) COLLATE pellora_ci NOT NULL DEFAULT '',
  DateUpd   datetime,
  HourUpd   nvarchar(8) COLLATE pellora_ci,
  PRIMARY KEY (TPDOC, SERIE, ANO, NNUMDOC)
);
CREATE INDEX IX_DOCGCCAB_DATEUPD ON DOCGCCAB (DateUpd);

-- Free (user) fields of a document header.
CREATE TABLE CLDOCGC (
  TIPODOC   nvarchar(3) COLLATE pellora_ci NOT NULL,
  SERIE     nvarchar(10) COLLATE pellora_ci NOT NULL,
  ANO       smallint NOT NULL,
  NDOC      int NOT NULL,
  REFCLIENTE nvarchar(30) COLLATE pellora_ci,
  MATRICULA nvarchar(15) COLLATE pellora_ci,
  OBSERV    nvarchar(100) COLLATE pellora_ci,
  DTENTREGA datetime,
  PRIMARY KEY (TIPODOC, SERIE, ANO, NDOC)
);

-- QTDINTRO and PRUNITINT hold the quantity and unit price as the user entered them; QTDORIG the
-- quantity a later document took from this line.
CREATE TABLE DOCGCLIN (
  IDLINDOC  INTEGER PRIMARY KEY AUTOINCREMENT,
  TPDOCUM   nvarchar(3) COLLATE pellora_ci NOT NULL,
  SERIE     nvarchar(10) COLLATE pellora_ci NOT NULL,
  ANO       smallint NOT NULL,
  NNUMDOC   int NOT NULL,
  NUMLINHA  smallint NOT NULL,
  ORDENACA  int NOT NULL,
  LINANU    smallint NOT NULL DEFAULT 0,
  TPLINHA   smallint NOT NULL DEFAULT 1,
  ARTIGO    nvarchar(30) COLLATE pellora_ci NOT NULL DEFAULT '',
  DESCR     nvarchar(100) COLLATE pellora_ci,
  ARMAZEM   nvarchar(6) COLLATE pellora_ci,
  UNIDADE   nvarchar(5) COLLATE pellora_ci,
  FACTOR    float NOT NULL DEFAULT 1,
  QUANT     float NOT NULL DEFAULT 0,
  QTDINTRO  float NOT NULL DEFAULT 0,
  QTDORIG   float NOT NULL DEFAULT 0,
  PRUNIT    money NOT NULL DEFAULT 0,
  PRUNITINT money NOT NULL DEFAULT 0,
  TXDESC    float NOT NULL DEFAULT 0,
  DESCONTO  money NOT NULL DEFAULT 0,
  TAXAIVA   float NOT NULL DEFAULT 0,
  TOTLIQ    money NOT NULL DEFAULT 0,
  VENDEDOR  nvarchar(6) COLLATE pellora_ci,
  ORDOC     nvarchar(3) COLLATE pellora_ci,
  ORSERIE   nvarchar(10) COLLATE pellora_ci,
  ORNUM     int,
  ORANO     smallint,
  LINORIG   smallint,
  ECOTAXA   bit NOT NULL DEFAULT 0
);
CREATE UNIQUE INDEX UX_DOCGCLIN_LINHA ON DOCGCLIN (TPDOCUM, SERIE, ANO, NNUMDOC, NUMLINHA);
CREATE INDEX IX_DOCGCLIN_ARTIGO_ARMAZEM ON DOCGCLIN (ARTIGO, ARMAZEM);

-- Lot entries of document lines; QUANT in base units, signed by the document's stock effect.
CREATE TABLE LOTESMOV (
  ID        INTEGER PRIMARY KEY AUTOINCREMENT,
  TPDOC     nvarchar(3) COLLATE pellora_ci NOT NULL,
  SERIE     nvarchar(10) COLLATE pellora_ci NOT NULL,
  ANO       smallint NOT NULL,
  NNUMDOC   int NOT NULL,
  NUMLINHA  smallint NOT NULL,
  ARTIGO    nvarchar(30) COLLATE pellora_ci NOT NULL,
  ARMAZEM   nvarchar(6) COLLATE pellora_ci NOT NULL,
  LOTE      nvarchar(30) COLLATE pellora_ci NOT NULL,
  VOSSOLOTE nvarchar(30) COLLATE pellora_ci,
  FORNECEDOR nvarchar(15) COLLATE pellora_ci,
  DATAENT   datetime,
  DATAVAL   datetime,
  QUANT     float NOT NULL
);
CREATE INDEX IX_LOTESMOV_DOC ON LOTESMOV (TPDOC, SERIE, ANO, NNUMDOC);
CREATE INDEX IX_LOTESMOV_ARTIGO ON LOTESMOV (ARTIGO, ARMAZEM, LOTE);

-- Serial-number entries of document lines.
CREATE TABLE NSERMOV (
  ID        INTEGER PRIMARY KEY AUTOINCREMENT,
  TPDOC     nvarchar(3) COLLATE pellora_ci NOT NULL,
  SERIE     nvarchar(10) COLLATE pellora_ci NOT NULL,
  ANO       smallint NOT NULL,
  NNUMDOC   int NOT NULL,
  NUMLINHA  smallint NOT NULL,
  ARTIGO    nvarchar(30) COLLATE pellora_ci NOT NULL,
  ARMAZEM   nvarchar(6) COLLATE pellora_ci NOT NULL,
  NUMSER    nvarchar(30) COLLATE pellora_ci NOT NULL,
  TIPOLINHA smallint NOT NULL DEFAULT 1
);
CREATE INDEX IX_NSERMOV_DOC ON NSERMOV (TPDOC, SERIE, ANO, NNUMDOC);

-- Picking extension ---------------------------------------------------------------------------

-- One row per reading of a hand-held terminal. DataSync and Data hold "yyyyMMddHHmmss",
-- DataValidade "yyyyMMdd". Estado: 0 pending, 1 imported, 5 cancelled.
CREATE TABLE oru_ARM_Picking_Movimentos (
  Id            INTEGER PRIMARY KEY AUTOINCREMENT,
  TerminalId    nvarchar(20) COLLATE pellora_ci NOT NULL,
  DataSync      nvarchar(14) COLLATE pellora_ci NOT NULL,
  Data          nvarchar(14) COLLATE pellora_ci,
  NumeroLinha   int NOT NULL,
  TpDoc         nvarchar(3) COLLATE pellora_ci,
  Serie         nvarchar(10) COLLATE pellora_ci,
  Numero        int,
  Ano           smallint,
  TipoMov       nvarchar(1) COLLATE pellora_ci NOT NULL,
  Tpterc        smallint,
  Terceiro      nvarchar(15) COLLATE pellora_ci,
  Artigo        nvarchar(30) COLLATE pellora_ci,
  Unidade       nvarchar(5) COLLATE pellora_ci,
  Armazem       nvarchar(6) COLLATE pellora_ci,
  NumeroSerie   nvarchar(30) COLLATE pellora_ci,
  NossoLote     nvarchar(30) COLLATE pellora_ci,
  VossoLote     nvarchar(30) COLLATE pellora_ci,
  DataValidade  nvarchar(8) COLLATE pellora_ci,
  Quantidade    float,
  Estado        smallint NOT NULL DEFAULT 0,
  Localizacao   nvarchar(20) COLLATE pellora_ci,
  Ordenaca      int,
  TpLinha       smallint NOT NULL DEFAULT 1,
  PrecoUnitario float,
  Dest_TpDoc    nvarchar(3) COLLATE pellora_ci,
  Dest_Serie    nvarchar(10) COLLATE pellora_ci
);
CREATE INDEX IX_PICKING_CONJUNTO ON oru_ARM_Picking_Movimentos (TerminalId, DataSync, Estado);
CREATE INDEX IX_PICKING_PENDENTES ON oru_ARM_Picking_Movimentos (Estado, TipoMov);
CREATE INDEX IX_PICKING_ARTIGO ON oru_ARM_Picking_Movimentos (Artigo);
CREATE INDEX IX_PICKING_SYNC ON oru_ARM_Picking_Movimentos (DataSync);

-- Technical sheets of articles and the documents attached to them.
CREATE TABLE oru_ARTIGOS_FICHATECNICA (
  ID        INTEGER PRIMARY KEY AUTOINCREMENT,
  ARTIGO    nvarchar(30) COLLATE pellora_ci NOT NULL,
  IDIOMA    nvarchar(5) COLLATE pellora_ci NOT NULL
);
CREATE INDEX IX_FICHATECNICA_ARTIGO ON oru_ARTIGOS_FICHATECNICA (ARTIGO);

CREATE TABLE oru_ArquivoDigital (
  oru_ArquivoDigital_Id           INTEGER PRIMARY KEY AUTOINCREMENT,
  oru_ArquivoDigital_Entidade     int NOT NULL,
  oru_ArquivoDigital_TipoEntidade smallint NOT NULL,
  oru_ArquivoDigital_Documento    image,
  oru_ArquivoDigital_NomeFicheiro varchar(100) COLLATE pellora_ci NOT NULL,
  oru_ArquivoDigital_Titulo       nvarchar(100) COLLATE pellora_ci
);
CREATE INDEX IX_ARQUIVODIGITAL_ENTIDADE ON oru_ArquivoDigital (oru_ArquivoDigital_Entidade);

-- Terminals ------------------------------------------------------------------------------------

-- Hand-held terminals allowed to send reading sets. PinHash is a salted slow hash of the PIN;
-- Falhas counts wrong PINs in a row and BloqueadoAte ("yyyyMMddHHmmss") ends a lock.
CREATE TABLE oru_Terminais (
  TerminalId    nvarchar(20) COLLATE pellora_ci NOT NULL PRIMARY KEY,
  PinHash       nvarchar(128) COLLATE pellora_ci NOT NULL,
  Falhas        int NOT NULL DEFAULT 0,
  BloqueadoAte  nvarchar(14) COLLATE pellora_ci,
  Criado        nvarchar(14) COLLATE pellora_ci NOT NULL
);

-- Sessions of signed-in terminals, by a digest of their token; Expira "yyyyMMddHHmmss".
CREATE TABLE oru_TerminaisSessoes (
  TokenHash     nvarchar(64) COLLATE pellora_ci NOT NULL PRIMARY KEY,
  TerminalId    nvarchar(20) COLLATE pellora_ci NOT NULL,
  Expira        nvarchar(14) COLLATE pellora_ci NOT NULL
);
CREATE INDEX IX_TERMINAISSESSOES_TERMINAL ON oru_TerminaisSessoes (TerminalId);

-- Reading sets received from terminals, by the id the device made: a set sent again is found
-- here and never written twice. No two sets share a DataSync.
CREATE TABLE oru_TerminaisConjuntos (
  TerminalId    nvarchar(20) COLLATE pellora_ci NOT NULL,
  IdEnvio       nvarchar(64) COLLATE pellora_ci NOT NULL,
  DataSync      nvarchar(14) COLLATE pellora_ci NOT NULL,
  Leituras      int NOT NULL,
  PRIMARY KEY (TerminalId, IdEnvio)
);
CREATE UNIQUE INDEX UX_TERMINAISCONJUNTOS_SYNC ON oru_TerminaisConjuntos (DataSync);
