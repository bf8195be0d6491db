-- Tables, keys, indexes and delivered rows of the membership card database.
-- Keys are assigned by the program (the maximum plus one); the database numbers nothing.

create table members (
  Id integer not null,
  Name varchar(30),
  Sex varchar(6),
  Mobile varchar(50),
  CataId integer,
  Folk varchar(30),
  Birthdate timestamp,
  IdCode varchar(50),
  Company varchar(50),
  Duty varchar(30),
  Address varchar(50),
  Tel varchar(50),
  Email varchar(50),
  Notes text,
  primary key (Id)
);

create table cards (
  Id integer not null,
  MemberId integer,
  CardNo varchar(50),
  ValidIf boolean,
  TypeId integer,
  PassWd varchar(50),
  InitFund numeric(15,2),
  InitPoint integer,
  TimeFund numeric(15,2),
  Grade varchar(30),
  Discount double precision,
  Appdate timestamp,
  Invalidate timestamp,
  Remarks varchar(50),
  Handman varchar(30),
  Balance numeric(15,2),
  Consume numeric(15,2),
  Score double precision,
  primary key (Id)
);

create table cardtypes (
  Id integer not null,
  Name varchar(50),
  primary key (Id)
);

create table comcatas (
  Id integer not null,
  Code varchar(50),
  Name varchar(30),
  "note" varchar(50),
  SlfId integer,
  PrtId integer,
  primary key (Id)
);

create table commodity (
  Id integer not null,
  CataId integer,
  Name varchar(50),
  Unitx varchar(20),
  Barcode varchar(50),
  InPrice numeric(15,2),
  OutPrice numeric(15,2),
  Mindis double precision,
  Notex varchar(50),
  primary key (Id)
);

create table gifts (
  Id integer not null,
  Code varchar(30),
  Name varchar(50),
  "point" integer,
  Stock double precision,
  Notex varchar(50),
  primary key (Id)
);

create table charges (
  Id integer not null,
  CardId integer,
  Charfund numeric(15,2),
  Songfund numeric(15,2),
  Chardate timestamp,
  Handman varchar(30),
  Notes varchar(50),
  primary key (Id)
);

create table consume (
  Id integer not null,
  Biztime timestamp,
  CardId integer,
  "point" integer,
  Shldfund numeric(15,2),
  Jifund numeric(15,2),
  Payfund numeric(15,2),
  Retfund numeric(15,2),
  Accoman varchar(30),
  Accotime timestamp,
  Notes text,
  primary key (Id)
);

create table consumedl (
  dlId integer not null,
  MastId integer,
  CommId integer,
  Price numeric(15,2),
  Qty integer,
  Discount double precision,
  Fund numeric(15,2),
  dlNote varchar(50),
  AddTime timestamp,
  primary key (dlId)
);

create table presents (
  Id integer not null,
  GiveDate timestamp,
  CardId integer,
  GiftId integer,
  Qty double precision,
  "point" integer,
  primary key (Id)
);

create table "operator" (
  LoginId varchar(30) not null,
  "password" varchar(250),
  Name varchar(30),
  Contact varchar(50),
  "note" varchar(50),
  Rights text,
  primary key (LoginId)
);

create table Company (
  Id integer not null,
  CompanyName varchar(100),
  Manager varchar(30),
  Tel varchar(50),
  Fax varchar(50),
  Address varchar(100),
  Zip varchar(20),
  Profile text,
  Updated boolean,
  primary key (Id)
);

create table options (
  "key" integer not null,
  Label varchar(50),
  List text,
  primary key ("key")
);

create table keyvalue (
  KeyId integer not null,
  Vstr text,
  Vint integer,
  Vfloat double precision,
  Vbool boolean,
  primary key (KeyId)
);

create table syscols (
  F02 integer not null,
  F06 text,
  primary key (F02)
);

create table "backup" (
  TypeId integer,
  BackDir varchar(250)
);

create index ix_cards_memberid on cards (MemberId);
create index ix_cards_cardno on cards (CardNo);
create index ix_cards_typeid on cards (TypeId);
create index ix_members_cataid on members (CataId);
create index ix_commodity_cataid on commodity (CataId);
create index ix_comcatas_slfid on comcatas (SlfId);
create index ix_comcatas_prtid on comcatas (PrtId);
create index ix_charges_cardid on charges (CardId);
create index ix_consume_cardid on consume (CardId);
create index ix_consume_biztime on consume (Biztime);
create index ix_consumedl_mastid on consumedl (MastId);
create index ix_consumedl_commid on consumedl (CommId);
create index ix_presents_cardid on presents (CardId);
create index ix_presents_giftid on presents (GiftId);

insert into "operator" (LoginId, "password", Name, Rights) values ('sa', '', 'sa', '');
insert into cardtypes (Id, Name) values (0, '折扣卡');
insert into cardtypes (Id, Name) values (1, '储值卡');
insert into cardtypes (Id, Name) values (2, '计次卡');
insert into "backup" (TypeId, BackDir) values (0, '');
