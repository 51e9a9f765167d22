-- ZETU on a team's PostgreSQL server: the roles, their rights and the change notices.
--
-- ZETU runs this file itself when it makes the tables on an empty database (as the
-- database's owner, who must then be allowed to create roles: CREATEROLE), and again when
-- the owner starts a version of ZETU whose file has changed. An
-- administrator may also run it after that first start, for example:
--     psql -d zetu -f zetu-team.sql
-- It can be run again at any time: it changes nothing that is already so.
-- Each person then connects as a database user of their own, made a member of one role:
--     CREATE ROLE ana LOGIN; GRANT zetu_technician TO ana;
--     CREATE ROLE paulo LOGIN; GRANT zetu_physicist TO paulo;

-- Two group roles, nobody logs in as them.
DO $$ BEGIN IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'zetu_technician') THEN CREATE ROLE zetu_technician NOLOGIN; END IF; END $$;
DO $$ BEGIN IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'zetu_physicist') THEN CREATE ROLE zetu_physicist NOLOGIN; END IF; END $$;

-- Technicians write scanners, transducers and inspections (with their drafts and
-- claims); they read, and cannot change, tolerance sets, choices of set, baselines and
-- the audit trail.
DO $$ BEGIN EXECUTE format('GRANT CONNECT ON DATABASE %I TO zetu_technician, zetu_physicist', current_database()); END $$;
GRANT USAGE ON SCHEMA public TO zetu_technician, zetu_physicist;
GRANT SELECT, INSERT, UPDATE, DELETE ON usequip, inspection, transducer TO zetu_technician;
GRANT SELECT ON toleranceset, tolerancechoice, baseline, audit, zetu_schema TO zetu_technician;
GRANT USAGE, SELECT ON SEQUENCE usequip_id_key_seq, inspection_id_key_seq, transducer_id_key_seq TO zetu_technician;

-- Physicists may do all of it.
GRANT SELECT, INSERT, UPDATE, DELETE ON usequip, inspection, transducer, toleranceset, tolerancechoice, baseline, audit TO zetu_physicist;
GRANT SELECT ON zetu_schema TO zetu_physicist;
-- Which version of these rights the server has (ZETU brings them up to date).
GRANT SELECT ON zetu_rights TO zetu_technician, zetu_physicist;
GRANT USAGE, SELECT ON ALL SEQUENCES IN SCHEMA public TO zetu_physicist;

-- The review of finished inspections: a technician's report is filed for review as it
-- is saved (and its reviews go with a deleted inspection); only physicists approve or
-- return one.
GRANT SELECT, INSERT, DELETE ON review TO zetu_technician;
GRANT SELECT, INSERT, UPDATE, DELETE ON review TO zetu_physicist;
-- A row a technician inserts can only be awaiting (State 0): an approval or a return
-- is a physicist's. The table's owner (who sends a laptop's reviews as they are) and a
-- superuser may insert any.
CREATE OR REPLACE FUNCTION zetu_review_filed() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN IF NEW.State <> 0 AND NOT pg_has_role(current_user, 'zetu_physicist', 'MEMBER') AND NOT pg_has_role(current_user, (SELECT relowner FROM pg_class WHERE oid = TG_RELID), 'MEMBER') THEN RAISE EXCEPTION 'only a physicist approves or returns a review' USING ERRCODE = 'insufficient_privilege'; END IF; RETURN NEW; END $$;
DROP TRIGGER IF EXISTS zetu_review_filed ON review;
CREATE TRIGGER zetu_review_filed BEFORE INSERT ON review FOR EACH ROW EXECUTE FUNCTION zetu_review_filed();

-- Every change that another window shows (the list of scanners, due dates, history)
-- tells the clients listening on channel zetu_changed to read again. A claim's renewal
-- alone (columns Owner and Heartbeat) tells nothing.
CREATE OR REPLACE FUNCTION zetu_notify_change() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN PERFORM pg_notify('zetu_changed', TG_TABLE_NAME); RETURN NULL; END $$;
DROP TRIGGER IF EXISTS zetu_changed ON usequip;
CREATE TRIGGER zetu_changed AFTER INSERT OR UPDATE OR DELETE ON usequip FOR EACH STATEMENT EXECUTE FUNCTION zetu_notify_change();
DROP TRIGGER IF EXISTS zetu_changed ON inspection;
CREATE TRIGGER zetu_changed AFTER INSERT OR DELETE OR UPDATE OF Equipment, Started, Changed, Technician, State, Report, Inputs, Revision, Institution, Place, ID, Model, Manufacturer, Transducer, Inspected ON inspection FOR EACH STATEMENT EXECUTE FUNCTION zetu_notify_change();
DROP TRIGGER IF EXISTS zetu_changed ON transducer;
CREATE TRIGGER zetu_changed AFTER INSERT OR UPDATE OR DELETE ON transducer FOR EACH STATEMENT EXECUTE FUNCTION zetu_notify_change();
DROP TRIGGER IF EXISTS zetu_changed ON toleranceset;
CREATE TRIGGER zetu_changed AFTER INSERT OR UPDATE OR DELETE ON toleranceset FOR EACH STATEMENT EXECUTE FUNCTION zetu_notify_change();
DROP TRIGGER IF EXISTS zetu_changed ON tolerancechoice;
CREATE TRIGGER zetu_changed AFTER INSERT OR UPDATE OR DELETE ON tolerancechoice FOR EACH STATEMENT EXECUTE FUNCTION zetu_notify_change();
DROP TRIGGER IF EXISTS zetu_changed ON baseline;
CREATE TRIGGER zetu_changed AFTER INSERT OR UPDATE OR DELETE ON baseline FOR EACH STATEMENT EXECUTE FUNCTION zetu_notify_change();
DROP TRIGGER IF EXISTS zetu_changed ON review;
CREATE TRIGGER zetu_changed AFTER INSERT OR UPDATE OR DELETE ON review FOR EACH STATEMENT EXECUTE FUNCTION zetu_notify_change();
