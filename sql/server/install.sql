-- ミヌカ's class server: brings a PostgreSQL database up to the schema this
-- program knows. Run as the database's owner (or postgres) with psql, from
-- any folder:
--
--   psql -d minuka -f sql/server/install.sql
--
-- Each migration runs in one transaction and only when the database is
-- older than it; running this again on an up-to-date database does nothing.
\set ON_ERROR_STOP on
\set QUIET on
set client_min_messages = warning;

create schema if not exists minuka;
create table if not exists minuka.schema_version (
    version integer primary key,
    applied timestamptz not null default now());

select coalesce(max(version), 0) as minuka_version from minuka.schema_version \gset

select :minuka_version < 1 as minuka_needs \gset
\if :minuka_needs
\ir 001_schema.sql
\endif

select max(version) as minuka_version from minuka.schema_version \gset
\echo minuka schema version :minuka_version
