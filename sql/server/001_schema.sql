-- Version 1: the class's pupils, their sessions and answers, the logins and
-- who may read and add what. Applied by install.sql, in one transaction.
begin;

-- Group roles the logins join: a class's machines add sessions, a teacher
-- reads the class. Roles belong to the whole cluster, so they may be there
-- already from another database.
do $$
begin
    if not exists (select from pg_roles where rolname = 'minuka_class') then
        create role minuka_class nologin;
    end if;
    if not exists (select from pg_roles where rolname = 'minuka_teacher') then
        create role minuka_teacher nologin;
    end if;
end $$;

create table minuka.classes (
    name text primary key check (name <> ''));

-- Which class each login belongs to. A class's machines share one login; a
-- teacher may have a login for each class they teach (one row each).
create table minuka.logins (
    login name not null,
    class text not null references minuka.classes on update cascade,
    teacher boolean not null,
    primary key (login, class));

-- Pupils by class and 出席番号. The name stays on the pupil's machine unless
-- the school chooses to send it.
create table minuka.pupils (
    class text not null references minuka.classes on update cascade,
    number integer not null check (number between 1 and 99),
    name text,
    primary key (class, number));

create table minuka.sessions (
    id uuid primary key,
    class text not null,
    number integer not null,
    screen integer not null,
    mode text not null check (mode in ('drill', 'test')),
    menu_item integer not null,
    menu_text text not null,
    time_limit integer not null,
    started_local timestamp not null,
    started_utc timestamptz not null,
    ended_local timestamp,
    ended_utc timestamptz,
    problems integer not null,
    right_answers integer not null,
    score integer not null,
    seconds integer not null,
    finished boolean not null,
    -- The order the server took the sessions in.
    received bigint generated always as identity,
    foreign key (class, number) references minuka.pupils on update cascade);
-- The class's week: every pupil's sessions from a day on, read from the index.
create index sessions_by_class on minuka.sessions (class, started_utc)
    include (number, screen, mode, score, seconds, problems, finished);
-- One pupil's record, and each pupil's latest and best per drill.
create index sessions_by_pupil on minuka.sessions (class, number, screen, started_utc)
    include (mode, score, finished);

create table minuka.answers (
    session_id uuid not null references minuka.sessions on delete cascade,
    seq integer not null,
    class text not null,
    problem_no integer not null,
    shown text not null,
    kind text not null,
    a bigint, b bigint, c bigint, d bigint,
    right_answer bigint, given_answer bigint,
    right_remainder bigint, given_remainder bigint,
    right_text text, given_text text,
    correct boolean not null,
    ms integer not null,
    primary key (session_id, seq));
-- The wrong answers of a class's sessions, read from the index alone: the
-- teacher's つまずき come from them.
create index answers_wrong on minuka.answers (session_id)
    include (class, kind, a, b, c, d, given_answer, given_remainder) where not correct;

-- The classes of the login in use (session_user, so a SET ROLE changes
-- nothing). Read by the policies below, which cannot read logins themselves.
create function minuka.my_classes() returns setof text
    language sql stable security definer set search_path = minuka, pg_temp
    as $$ select class from minuka.logins where login = session_user $$;

-- Row-level security: a login sees only the rows of its own class, whatever
-- it is granted on the tables.
alter table minuka.pupils enable row level security;
alter table minuka.sessions enable row level security;
alter table minuka.answers enable row level security;
create policy own_class on minuka.pupils for select
    using (class in (select minuka.my_classes()));
create policy own_class on minuka.sessions for select
    using (class in (select minuka.my_classes()));
create policy own_class on minuka.answers for select
    using (class in (select minuka.my_classes()));

-- A session with its answers as one machine sends it, in one call: the
-- session is added, or brought up to date while it is unfinished, and its
-- answers are added; sending the same again changes nothing. The class must
-- be the login's own, and a session already on the server must be the same
-- pupil's. Finished sessions and answers are never changed, nothing is ever
-- deleted.
create function minuka.send_session(s jsonb, answers jsonb) returns void
    language plpgsql security definer set search_path = minuka, pg_temp
as $$
declare
    cls text := s->>'class';
    num integer := (s->>'number')::integer;
    sid uuid := (s->>'id')::uuid;
    owner record;
begin
    if not exists (select from minuka.logins l
                   where l.login = session_user and l.class = cls and not l.teacher) then
        raise exception 'the login % may not send for the class %', session_user, cls
            using errcode = 'insufficient_privilege';
    end if;
    select class, number into owner from minuka.sessions where id = sid;
    if found and (owner.class, owner.number) is distinct from (cls, num) then
        raise exception 'the session % is another pupil''s', sid using errcode = 'insufficient_privilege';
    end if;

    insert into minuka.pupils (class, number, name) values (cls, num, nullif(s->>'name', ''))
        on conflict (class, number) do update set name = excluded.name
        where excluded.name is not null and pupils.name is distinct from excluded.name;

    insert into minuka.sessions as o (id, class, number, screen, mode, menu_item, menu_text, time_limit,
                                      started_local, started_utc, ended_local, ended_utc,
                                      problems, right_answers, score, seconds, finished)
    values (sid, cls, num, (s->>'screen')::integer, s->>'mode', (s->>'menu_item')::integer, s->>'menu_text',
            (s->>'time_limit')::integer, (s->>'started_local')::timestamp, (s->>'started_utc')::timestamptz,
            (s->>'ended_local')::timestamp, (s->>'ended_utc')::timestamptz,
            (s->>'problems')::integer, (s->>'right_answers')::integer, (s->>'score')::integer,
            (s->>'seconds')::integer, (s->>'finished')::boolean)
    on conflict (id) do update set
        ended_local = excluded.ended_local, ended_utc = excluded.ended_utc, problems = excluded.problems,
        right_answers = excluded.right_answers, score = excluded.score, seconds = excluded.seconds,
        finished = excluded.finished
    -- Only forward: a late copy of an older state never undoes a newer one.
    where not o.finished and excluded.problems >= o.problems;

    insert into minuka.answers (session_id, seq, class, problem_no, shown, kind, a, b, c, d,
                                right_answer, given_answer, right_remainder, given_remainder,
                                right_text, given_text, correct, ms)
    select sid, x.seq, cls, x.problem_no, x.shown, x.kind, x.a, x.b, x.c, x.d,
           x.right_answer, x.given_answer, x.right_remainder, x.given_remainder,
           x.right_text, x.given_text, x.correct, x.ms
    from jsonb_to_recordset(coalesce(answers, '[]')) as x(
        seq integer, problem_no integer, shown text, kind text, a bigint, b bigint, c bigint, d bigint,
        right_answer bigint, given_answer bigint, right_remainder bigint, given_remainder bigint,
        right_text text, given_text text, correct boolean, ms integer)
    order by x.seq
    on conflict (session_id, seq) do nothing;
end $$;

-- The administrator's commands: a class with its machines' login, and a
-- teacher's login for a class. A login that is there already joins the
-- group and gets the class.
create function minuka.add_login(class text, login name, password text, teacher boolean) returns void
    language plpgsql set search_path = minuka, pg_temp
as $$
declare
    grp name := case when teacher then 'minuka_teacher' else 'minuka_class' end;
begin
    insert into minuka.classes values (class) on conflict do nothing;
    if not exists (select from pg_roles where rolname = login) then
        execute format('create role %I login password %L in role %I', login, password, grp);
    else
        execute format('grant %I to %I', grp, login);
    end if;
    insert into minuka.logins values (login, class, teacher) on conflict do nothing;
end $$;

create function minuka.add_class(class text, login name, password text) returns void
    language sql as $$ select minuka.add_login(class, login, password, false) $$;
create function minuka.add_teacher(class text, login name, password text) returns void
    language sql as $$ select minuka.add_login(class, login, password, true) $$;

revoke all on all tables in schema minuka from public;
revoke all on all functions in schema minuka from public;
grant usage on schema minuka to minuka_class, minuka_teacher;
grant execute on function minuka.my_classes() to minuka_class, minuka_teacher;
-- A class's machines read their roster and send sessions; nothing else.
grant select on minuka.pupils to minuka_class;
grant execute on function minuka.send_session(jsonb, jsonb) to minuka_class;
-- A teacher reads the class.
grant select on minuka.pupils, minuka.sessions, minuka.answers to minuka_teacher;

insert into minuka.schema_version (version) values (1);
commit;
