#!/usr/bin/env python3
"""Build the VANTORELLE player roster (assets/Data/Stats.dat).

The roster is a plain text file with CR LF line endings:

    line 1      two comma-separated header fields, kept verbatim by the game
    lines 2-161 one player per line, in rank order, 17 fields each:
                rank, first name, second name, nationality code,
                total points, points from tournaments 1..12

Every player is fictional.  The names are put together from invented
per-country pools and the season is simulated with a fixed seed, so running
this script twice gives a byte-identical file.

Usage:
    make-roster.py                 write assets/Data/Stats.dat
    make-roster.py --check         validate the existing file
    make-roster.py --file PATH     use PATH instead of the default location
"""

from __future__ import annotations

import argparse
import random
import re
import sys
from pathlib import Path

REPO_ROOT = Path(__file__).resolve().parent.parent
DEFAULT_PATH = REPO_ROOT / "assets" / "Data" / "Stats.dat"

HEADER = ("VANTORELLE ROSTER", "1")
PLAYER_COUNT = 160
TOURNAMENTS = 12
FIELDS_PER_LINE = 5 + TOURNAMENTS
MAX_NAME_LENGTH = 20  # first + " " + second
SEED = 0x7A4D0E11

NATIONS = ("AUS", "CAN", "ENG", "NED", "ROW", "USA", "SCO", "WAL")

# How many players of each nationality go on the roster (sums to 160).
NATION_COUNTS = {
    "ENG": 62,
    "NED": 22,
    "SCO": 18,
    "WAL": 16,
    "AUS": 10,
    "CAN": 8,
    "USA": 9,
    "ROW": 15,
}

# The ranking points a finish earns, by tournament (1..12): the points of the
# last 16, the quarter-finalists and the semi-finalists, and of a loser in the
# round of 32. The roster holds last season's points for every finish but the
# final: nobody holds a champion's or runner-up's points, so a new career's
# calendar starts without champions while the rankings still order the field.
STANDARD = {"r32": 0, "last16": 2, "quarter": 4, "semi": 7}
MASTERS = {"r32": 1, "last16": 3, "quarter": 6, "semi": 9}
WORLD_MASTERS = {"r32": 1, "last16": 3, "quarter": 7, "semi": 10}
WORLD_CHAMPIONSHIP = {"r32": 2, "last16": 4, "quarter": 8, "semi": 12}
SCALES = {t: STANDARD for t in range(1, TOURNAMENTS + 1)}
SCALES.update({3: MASTERS, 9: MASTERS, 6: WORLD_MASTERS, 12: WORLD_CHAMPIONSHIP})
# What the two finalists would have earned: champion and runner-up.
FINAL_POINTS = {t: (12, 10) for t in range(1, TOURNAMENTS + 1)}
FINAL_POINTS.update({3: (14, 12), 9: (14, 12), 6: (16, 13), 12: (20, 16)})

# Places 1..30 of a tournament's field: the two semi-finalists, four
# quarter-finalists, eight of the last 16 and sixteen of the round of 32.
PLACES = (("semi", 2), ("quarter", 4), ("last16", 8), ("r32", 16))

# ---------------------------------------------------------------------------
# Name pools.  Second names are drawn without replacement within a country,
# so every player ends up with a distinct surname and a distinct full name.
# ---------------------------------------------------------------------------

FIRST_NAMES = {
    "ENG": """Declan Callum Darren Lee Craig Shaun Jamie Ryan Kieran Stuart
        Dean Barry Terry Graham Nigel Keith Trevor Steve Liam Connor Bradley
        Jordan Reece Nathan Ashley Gary Neil Martin Carl Tony Danny Robbie
        Ollie Harvey Kyle Jason Marc Adam Elliot Josh Ricky Glenn Colin Alan
        Mark Wayne Jake Tom Sam Ben Dominic Russell Warren Mick Des""".split(),
    "NED": """Jeroen Sander Bas Niels Ruud Joost Bram Thijs Maarten Wouter
        Koen Stefan Jasper Rutger Hidde Sjoerd Gerrit Arjen Tijmen Marnix
        Freek Menno Roel Lars""".split(),
    "SCO": """Alasdair Callum Euan Fraser Hamish Iain Lachlan Murdo Ruaridh
        Struan Angus Calum Craig Ewan Graeme Alistair Rab Tam Duncan Gregor""".split(),
    "WAL": """Gethin Rhodri Dafydd Emyr Iwan Huw Owain Rhys Aled Cerith Dylan
        Geraint Ieuan Tomos Bryn Meurig Gareth Carwyn""".split(),
    "AUS": """Brody Cooper Jarrod Lachie Mitch Nathan Rhett Shane Tyson
        Darcy Blake Corey Jayden""".split(),
    "CAN": """Gord Mathieu Jean-Luc Brett Travis Dale Marc-Andre Kurt Devin
        Troy Etienne""".split(),
    "USA": """Chad Dustin Garrett Hunter Cody Brandon Trent Wyatt Kip Dwayne
        Clint Jesse""".split(),
}

SECOND_NAMES = {
    "ENG": """Hartigan Pellowe Ashcombe Brackley Coldridge Drewett Fenmore
        Hollings Kettleby Larkworth Marchbank Nettlefold Oakhurst Pennock
        Quarrington Ridsdale Saltmarsh Thackwray Underhay Vosper Wetherall
        Bramhall Cotterill Elsworth Fairbrass Greenhalgh Ingleby Kilner
        Mottram Norbury Ormerod Pickersgill Sowerby Tidmarsh Upcott Varley
        Attwell Blenkinsop Chadwell Dimmock Everdell Froggatt Hulbert
        Illingworth Jowett Kershaw Lambkin Merriman Nuttall Pybus Roebuck
        Stubbings Tolley Uttley Wragg Bickerstaff Cheetham Dowsett Gathercole
        Haverstock Lightowler Scarisbrick Tunnicliffe Yeadon""".split(),
    "NED": """Ravesteijn Hoogkamer Wijnhoven Ottersma Tiemersma Lindemulder
        Groenewoud Spaargaren Vlietstra Kroonenberg Huisinga Oosterveer
        Mulderij Steenhuis Bosschaart Brouwenstijn Kempenaar Zwartjes
        Hofmeester Dijkhuizen Verschoor Blommestijn Raaijmakers Elzinga""".split(),
    "SCO": """Kinnaird Lochrie McAllan Gilfillan Rintoul Fordyce Pitcaithly
        Lumsden Inglis Cruickshank Haldane McIlwraith Tulloch Scobie
        Sangster Duthie Rattray Cargill McKerrow Strathie""".split(),
    "WAL": """Prytherch Gwilliam Pumphrey Cadwalader Bevnon Parfitt Probert
        Maddocks Gittins Beddoe Lougher Meyrick Penry Gronow Hopkin Eynon
        Trahearne Watkeys Cradock""".split(),
    "AUS": """Pendlebury Treloar Hargraves Dunphy Cudmore Birtles Kerslake
        Langtry Quinlivan Tregenza Yelland Mulcahy""".split(),
    "CAN": """Lafreniere Beauchesne Thibodeau Kowalchuk MacIsaac Ouellette
        Hrynkiw Boisvenue Strathdee Gaudreault""".split(),
    "USA": """Brinkerhoff Castellano Dunwoody Halloway Mulvaney Ostrander
        Redfield Szymanski Whitacre Culpepper Eckhardt""".split(),
}

# "Rest of the world" players come from a handful of smaller darts nations;
# each entry pairs plausible first names with surnames from the same country.
ROW_POOLS = (
    ("Jorn Wout Stijn Pieter-Jan".split(), "Verstraeten Dewaele Claeskens".split()),
    ("Lukas Florian Tobias Henrik".split(), "Brandstetter Kiesewetter Hollerbach".split()),
    ("Cathal Eoin Donnacha Fergal".split(), "Kilbride Mulrooney Breathnach".split()),
    ("Anders Johan Oskar".split(), "Fjellstrom Berglind".split()),
    ("Jussi Teemu Ville".split(), "Hakkarainen Rautiola".split()),
    ("Kenta Daisuke Ryota".split(), "Kuroiwa Hoshizaki".split()),
    ("Tomasz Grzegorz Pawel".split(), "Kowalewicz Przybylak".split()),
    ("Mikkel Rasmus".split(), "Norregaard".split()),
    ("Joaquin Aitor".split(), "Larrazabal".split()),
    ("Hannes Matthias".split(), "Pichlmayr".split()),
)

NAME_RE = re.compile(r"[A-Za-z][A-Za-z'-]*\Z")
NUMBER_RE = re.compile(r"(0|[1-9][0-9]*)\Z")


class RosterError(Exception):
    pass


# ---------------------------------------------------------------------------
# Generation
# ---------------------------------------------------------------------------

def sort_key(fields: list[str]) -> str:
    """Key the game re-ranks by (highest first): padded total, names,
    nationality and the per-event points, compared without case."""
    total = int(fields[4])
    parts = [f"{total:03d}", fields[1], fields[2], fields[3], *fields[5:]]
    return ",".join(parts).upper()


def make_names(rng: random.Random) -> list[tuple[str, str, str]]:
    """Return (first, second, nation) for every player, in random order."""
    people: list[tuple[str, str, str]] = []

    for nation, count in NATION_COUNTS.items():
        if nation == "ROW":
            continue
        surnames = rng.sample(SECOND_NAMES[nation], count)
        for second in surnames:
            while True:
                first = rng.choice(FIRST_NAMES[nation])
                if len(first) + 1 + len(second) <= MAX_NAME_LENGTH:
                    break
            people.append((first, second, nation))

    row_candidates = [
        (first_pool, second)
        for first_pool, seconds in ROW_POOLS
        for second in seconds
    ]
    for first_pool, second in rng.sample(row_candidates, NATION_COUNTS["ROW"]):
        while True:
            first = rng.choice(first_pool)
            if len(first) + 1 + len(second) <= MAX_NAME_LENGTH:
                break
        people.append((first, second, "ROW"))

    rng.shuffle(people)
    return people


def place_points(event: int, place: int) -> int:
    """Points of the place-th best finisher of tournament event (1..12)."""
    last = 0
    for finish, count in PLACES:
        last += count
        if place <= last:
            return SCALES[event][finish]
    return 0


def simulate_season(rng: random.Random, count: int) -> list[list[int]]:
    """Play a season; player i (0 = strongest) gets a list of event points."""
    skill = [100.0 * (1.0 - i / count) ** 1.3 for i in range(count)]
    # Stronger players play nearly everything; the tail of the roster only
    # turns up now and then.
    attend = [max(0.10, 0.97 - 0.80 * (i / count) ** 3.0) for i in range(count)]

    results = [[0] * TOURNAMENTS for _ in range(count)]
    for event in range(TOURNAMENTS):
        field = [i for i in range(count) if rng.random() < attend[i]]
        form = {i: skill[i] + rng.gauss(0.0, 7.0) for i in field}
        field.sort(key=lambda i: (-form[i], i))
        for place, player in enumerate(field, start=1):
            results[player][event] = place_points(event + 1, place)
    return results


def build_roster() -> list[list[str]]:
    rng = random.Random(SEED)
    people = make_names(rng)
    season = simulate_season(rng, len(people))

    rows = []
    for (first, second, nation), points in zip(people, season):
        rows.append(["", first, second, nation, str(sum(points)),
                     *(str(p) for p in points)])

    rows.sort(key=sort_key, reverse=True)
    for rank, row in enumerate(rows, start=1):
        row[0] = str(rank)
    return rows


def write_roster(path: Path) -> None:
    rows = build_roster()
    lines = [",".join(HEADER)] + [",".join(row) for row in rows]
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes(("\r\n".join(lines) + "\r\n").encode("ascii"))


# ---------------------------------------------------------------------------
# Validation
# ---------------------------------------------------------------------------

def check_roster(path: Path) -> None:
    if not path.is_file():
        raise RosterError(f"{path}: file not found")

    data = path.read_bytes()
    try:
        text = data.decode("ascii")
    except UnicodeDecodeError as exc:
        raise RosterError(f"non-ASCII byte at offset {exc.start}") from None

    if not text.endswith("\r\n"):
        raise RosterError("file does not end with CR LF")
    lines = text[:-2].split("\r\n")
    for number, line in enumerate(lines, start=1):
        if "\r" in line or "\n" in line:
            raise RosterError(f"line {number}: stray CR or LF (lines must end with CR LF)")

    expected_lines = 1 + PLAYER_COUNT
    if len(lines) != expected_lines:
        raise RosterError(f"expected {expected_lines} lines, found {len(lines)}")

    header = lines[0].split(",")
    if len(header) != 2:
        raise RosterError(f"line 1: header must have 2 fields, found {len(header)}")

    seen_names: dict[str, int] = {}
    previous_key: str | None = None

    for index, line in enumerate(lines[1:], start=1):
        number = index + 1
        where = f"line {number}"
        fields = line.split(",")
        if len(fields) != FIELDS_PER_LINE:
            raise RosterError(f"{where}: expected {FIELDS_PER_LINE} fields, found {len(fields)}")

        numeric = [0, *range(4, FIELDS_PER_LINE)]
        for col in numeric:
            if not NUMBER_RE.match(fields[col]):
                raise RosterError(f"{where}, field {col}: {fields[col]!r} is not a plain decimal number")

        rank = int(fields[0])
        if rank != index:
            raise RosterError(f"{where}: rank is {rank}, expected {index}")

        first, second, nation = fields[1], fields[2], fields[3]
        for col, name in ((1, first), (2, second)):
            if not NAME_RE.match(name):
                raise RosterError(f"{where}, field {col}: bad name {name!r}")
        full = f"{first} {second}"
        if len(full) > MAX_NAME_LENGTH:
            raise RosterError(f"{where}: name {full!r} longer than {MAX_NAME_LENGTH} characters")
        if nation not in NATIONS:
            raise RosterError(f"{where}: unknown nationality {nation!r}")

        events = [int(v) for v in fields[5:]]
        for event, points in enumerate(events, start=1):
            allowed = {0, *SCALES[event].values()}
            if points not in allowed:
                raise RosterError(f"{where}: tournament {event} has {points} points, which it never awards "
                                  f"short of the final ({sorted(allowed)})")
            if points in FINAL_POINTS[event]:
                raise RosterError(f"{where}: tournament {event} has {points} points: a finalist's")
        total = int(fields[4])
        if total != sum(events):
            raise RosterError(f"{where}: total {total} does not match tournament sum {sum(events)}")

        upper = full.upper()
        if upper in seen_names:
            raise RosterError(f"{where}: name {full!r} already used on line {seen_names[upper]}")
        seen_names[upper] = number

        key = sort_key(fields)
        if previous_key is not None and key > previous_key:
            raise RosterError(f"{where}: out of order (should rank above line {number - 1})")
        previous_key = key


def main(argv: list[str] | None = None) -> int:
    parser = argparse.ArgumentParser(description="Generate or validate the VANTORELLE roster.")
    parser.add_argument("--check", action="store_true",
                        help="validate the roster file instead of writing it")
    parser.add_argument("--file", type=Path, default=DEFAULT_PATH,
                        help=f"roster path (default: {DEFAULT_PATH.relative_to(REPO_ROOT)})")
    args = parser.parse_args(argv)

    if args.check:
        try:
            check_roster(args.file)
        except RosterError as exc:
            print(f"make-roster: {args.file}: {exc}", file=sys.stderr)
            return 1
        print(f"{args.file}: OK")
        return 0

    write_roster(args.file)
    print(f"wrote {args.file}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
