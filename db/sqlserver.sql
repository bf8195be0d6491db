-- Tables, keys, indexes and delivered rows of the membership card database.
-- Keys are assigned by the program (the maximum plus one); the database numbers nothing.

create table members (
  Id int not null,
  Name nvarchar(30),
  Sex nvarchar(6),
  Mobile nvarchar(50),
  CataId int,
  Folk nvarchar(30),
  Birthdate datetime,
  IdCode nvarchar(50),
  Company nvarchar(50),
  Duty nvarchar(30),
  Address nvarchar(50),
  Tel nvarchar(50),
  Email nvarchar(50),
  Notes nvarchar(max),
  primary key (Id)
);

create table cards (
  Id int not null,
  MemberId int,
  CardNo nvarchar(50),
  ValidIf bit,
  TypeId int,
  PassWd nvarchar(50),
  InitFund numeric(15,2),
  InitPoint int,
  TimeFund numeric(15,2),
  Grade nvarchar(30),
  Discount float,
  Appdate datetime,
  Invalidate datetime,
  Remarks nvarchar(50),
  Handman nvarchar(30),
  Balance numeric(15,2),
  Consume numeric(15,2),
  Score float,
  primary key (Id)
);

create table cardtypes (
  Id int not null,
  Name nvarchar(50),
  primary key (Id)
);

create table comcatas (
  Id int not null,
  Code nvarchar(50),
  Name nvarchar(30),
  [Note] nvarchar(50),
  SlfId int,
  PrtId int,
  primary key (Id)
);

create table commodity (
  Id int not null,
  CataId int,
  Name nvarchar(50),
  Unitx nvarchar(20),
  Barcode nvarchar(50),
  InPrice numeric(15,2),
  OutPrice numeric(15,2),
  Mindis float,
  Notex nvarchar(50),
  primary key (Id)
);

create table gifts (
  Id int not null,
  Code nvarchar(30),
  Name nvarchar(50),
  [Point] int,
  Stock float,
  Notex nvarchar(50),
  primary key (Id)
);

create table charges (
  Id int not null,
  CardId int,
  Charfund numeric(15,2),
  Songfund numeric(15,2),
  Chardate datetime,
  Handman nvarchar(30),
  Notes nvarchar(50),
  primary key (Id)
);

create table consume (
  Id int not null,
  Biztime datetime,
  CardId int,
  [Point] int,
  Shldfund numeric(15,2),
  Jifund numeric(15,2),
  Payfund numeric(15,2),
  Retfund numeric(15,2),
  Accoman nvarchar(30),
  Accotime datetime,
  Notes nvarchar(max),
  primary key (Id)
);

create table consumedl (
  dlId int not null,
  MastId int,
  CommId int,
  Price numeric(15,2),
  Qty int,
  Discount float,
  Fund numeric(15,2),
  dlNote nvarchar(50),
  AddTime datetime,
  primary key (dlId)
);

create table presents (
  Id int not null,
  GiveDate datetime,
  CardId int,
  GiftId int,
  Qty float,
  [Point] int,
  primary key (Id)
);

create table [operator] (
  LoginId nvarchar(30) not null,
  [Password] nvarchar(250),
  Name nvarchar(30),
  Contact nvarchar(50),
  [Note] nvarchar(50),
  Rights nvarchar(max),
  primary key (LoginId)
);

create table Company (
  Id int not null,
  CompanyName nvarchar(100),
  Manager nvarchar(30),
  Tel nvarchar(50),
  Fax nvarchar(50),
  Address nvarchar(100),
  Zip nvarchar(20),
  Profile nvarchar(max),
  Updated bit,
  primary key (Id)
);

create table options (
  [Key] int not null,
  Label nvarchar(50),
  List nvarchar(max),
  primary key ([Key])
);

create table keyvalue (
  KeyId int not null,
  Vstr nvarchar(max),
  Vint int,
  Vfloat float,
  Vbool bit,
  primary key (KeyId)
);

create table syscols (
  F02 int not null,
  F06 nvarchar(max),
  primary key (F02)
);

create table [backup] (
  TypeId int,
  BackDir nvarchar(250)
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

insert into [operator] (LoginId, [Password], Name, Rights) values ('sa', '', 'sa', '');
insert into cardtypes (Id, Name) values (0, N'折扣卡');
insert into cardtypes (Id, Name) values (1, N'储值卡');
insert into cardtypes (Id, Name) values (2, N'计次卡');
insert into [backup] (TypeId, BackDir) values (0, '');
