#!/usr/bin/env python3
"""Writes parties.json, the invented register entries that the fake suggestions service answers from.

The entries copy the shape of the real answer: the members the program reads, many it ignores, nulls,
numbers for dates and branch counts, strings for codes and coordinates. Every INN and OGRN carries valid
check digits so that the data look real, but the companies and people are made up. Some entries are
written with \\u-escaped Cyrillic, as some real answers are. Run it again after changing it; the output
is deterministic.
"""
import hashlib
import json
import random
from datetime import date, datetime, timezone
from pathlib import Path

rng = random.Random(20240601)

REGIONS = {
    77: ("г Москва", "Москва", "г Москва", "55.75", "37.62", "UTC+3", "1010"),
    78: ("г Санкт-Петербург", "Санкт-Петербург", "г Санкт-Петербург", "59.94", "30.31", "UTC+3", "190"),
    50: ("Московская обл", "Московская", "г Подольск", "55.43", "37.54", "UTC+3", "142"),
    16: ("Респ Татарстан", "Татарстан", "г Казань", "55.79", "49.12", "UTC+3", "420"),
    66: ("Свердловская обл", "Свердловская", "г Екатеринбург", "56.84", "60.61", "UTC+5", "620"),
    54: ("Новосибирская обл", "Новосибирская", "г Новосибирск", "55.03", "82.92", "UTC+7", "630"),
    23: ("Краснодарский край", "Краснодарский", "г Краснодар", "45.04", "38.98", "UTC+3", "350"),
    2: ("Респ Башкортостан", "Башкортостан", "г Уфа", "54.73", "55.95", "UTC+5", "450"),
    5: ("Респ Дагестан", "Дагестан", "г Махачкала", "42.98", "47.50", "UTC+3", "367"),
    47: ("Ленинградская обл", "Ленинградская", "г Тихвин", "59.64", "33.51", "UTC+3", "187"),
    10: ("Респ Карелия", "Карелия", "г Петрозаводск", "61.79", "34.36", "UTC+3", "185"),
    25: ("Приморский край", "Приморский", "г Владивосток", "43.12", "131.89", "UTC+10", "690"),
    38: ("Иркутская обл", "Иркутская", "г Иркутск", "52.29", "104.28", "UTC+8", "664"),
    52: ("Нижегородская обл", "Нижегородская", "г Нижний Новгород", "56.33", "44.00", "UTC+3", "603"),
    61: ("Ростовская обл", "Ростовская", "г Ростов-на-Дону", "47.22", "39.72", "UTC+3", "344"),
    74: ("Челябинская обл", "Челябинская", "г Челябинск", "55.16", "61.40", "UTC+5", "454"),
    86: ("Ханты-Мансийский Автономный округ - Югра АО", "Ханты-Мансийский Автономный округ - Югра",
         "г Сургут", "61.25", "73.40", "UTC+5", "628"),
    91: ("Респ Крым", "Крым", "г Симферополь", "44.95", "34.10", "UTC+3", "295"),
    14: ("Респ Саха /Якутия/", "Саха /Якутия/", "г Якутск", "62.03", "129.73", "UTC+9", "677"),
    39: ("Калининградская обл", "Калининградская", "г Калининград", "54.71", "20.51", "UTC+2", "236"),
    76: ("Ярославская обл", "Ярославская", "г Ярославль", "57.63", "39.87", "UTC+3", "150"),
    29: ("Архангельская обл", "Архангельская", "г Северодвинск", "64.56", "39.83", "UTC+3", "164"),
    53: ("Новгородская обл", "Новгородская", "г Великий Новгород", "58.52", "31.27", "UTC+3", "173"),
}

STREETS = ["ул Ленина", "ул Садовая", "пр-кт Мира", "ул Заводская", "ул Советская", "ул Набережная",
           "ул Гагарина", "пер Почтовый", "ул Октябрьская", "ш Энтузиастов", "ул Береговая", "ул Лесная"]

FIRST_M = ["Алексей", "Дмитрий", "Сергей", "Игорь", "Павел", "Руслан", "Тимур", "Виктор", "Олег", "Артём"]
FIRST_F = ["Елена", "Ольга", "Наталья", "Анна", "Марина", "Светлана", "Дарья", "Юлия"]
SURNAMES = ["Кузнецов", "Орлов", "Белов", "Гарипов", "Ефимов", "Лебедев", "Тарасов", "Жуков", "Мельников",
            "Соболев", "Шарипов", "Ёлкин", "Щукин", "Абрамов", "Юдин", "Зайцев"]
PATRONYMS_M = ["Иванович", "Петрович", "Сергеевич", "Андреевич", "Ильдарович", "Николаевич"]
PATRONYMS_F = ["Ивановна", "Петровна", "Сергеевна", "Андреевна", "Ильдаровна", "Николаевна"]
POSTS = ["ГЕНЕРАЛЬНЫЙ ДИРЕКТОР", "ДИРЕКТОР", "ПРЕДСЕДАТЕЛЬ ПРАВЛЕНИЯ", "КОНКУРСНЫЙ УПРАВЛЯЮЩИЙ",
         "ЛИКВИДАТОР", "УПРАВЛЯЮЩИЙ", "РЕКТОР", "ПРЕЗИДЕНТ"]
OKVEDS = ["62.01", "46.90", "41.20", "47.11", "49.41", "10.71", "68.20", "43.21", "01.11", "85.22", "64.19",
          "25.11", "52.10", "71.12"]
OPF = {
    "ООО": ("12300", "Общество с ограниченной ответственностью", "ОБЩЕСТВО С ОГРАНИЧЕННОЙ ОТВЕТСТВЕННОСТЬЮ"),
    "АО": ("12267", "Непубличное акционерное общество", "АКЦИОНЕРНОЕ ОБЩЕСТВО"),
    "ПАО": ("12247", "Публичное акционерное общество", "ПУБЛИЧНОЕ АКЦИОНЕРНОЕ ОБЩЕСТВО"),
    "СПК": ("14100", "Сельскохозяйственный производственный кооператив",
            "СЕЛЬСКОХОЗЯЙСТВЕННЫЙ ПРОИЗВОДСТВЕННЫЙ КООПЕРАТИВ"),
    "ФГБОУ ВО": ("75103", "Федеральное государственное бюджетное учреждение",
                 "ФЕДЕРАЛЬНОЕ ГОСУДАРСТВЕННОЕ БЮДЖЕТНОЕ ОБРАЗОВАТЕЛЬНОЕ УЧРЕЖДЕНИЕ ВЫСШЕГО ОБРАЗОВАНИЯ"),
}


def digits(n):
    return "".join(str(rng.randint(0, 9)) for _ in range(n))


def inn10(region):
    body = f"{region:02d}{rng.randint(1, 99):02d}" + digits(5)
    weights = [2, 4, 10, 3, 5, 9, 4, 6, 8]
    return body + str(sum(int(c) * w for c, w in zip(body, weights)) % 11 % 10)


def inn12(region):
    body = f"{region:02d}{rng.randint(1, 99):02d}" + digits(6)
    w11 = [7, 2, 4, 10, 3, 5, 9, 4, 6, 8]
    body += str(sum(int(c) * w for c, w in zip(body, w11)) % 11 % 10)
    w12 = [3, 7, 2, 4, 10, 3, 5, 9, 4, 6, 8]
    return body + str(sum(int(c) * w for c, w in zip(body, w12)) % 11 % 10)


def ogrn(region, year):
    body = f"1{year % 100:02d}{region:02d}" + digits(7)
    return body + str(int(body) % 11 % 10)


def ogrnip(region, year):
    body = f"3{year % 100:02d}{region:02d}" + digits(9)
    return body + str(int(body) % 13 % 10)


def millis(d):
    return int(datetime(d.year, d.month, d.day, tzinfo=timezone.utc).timestamp()) * 1000


def random_date(first_year, last_year):
    start = date(first_year, 1, 1).toordinal()
    end = date(last_year, 12, 28).toordinal()
    return date.fromordinal(rng.randint(start, end))


def person(female=None):
    female = rng.random() < 0.35 if female is None else female
    surname = rng.choice(SURNAMES)
    if female:
        return surname + "а", rng.choice(FIRST_F), rng.choice(PATRONYMS_F)
    return surname, rng.choice(FIRST_M), rng.choice(PATRONYMS_M)


def address(region, coordinates=True):
    region_with_type, region_name, city, lat, lon, tz, postal = REGIONS[region]
    street = rng.choice(STREETS)
    house = str(rng.randint(1, 140))
    postal_code = postal + digits(6 - len(postal))
    if region in (77, 78):
        short = f"{city}, {street}, д {house}"
    else:
        short = f"{region_with_type}, {city}, {street}, д {house}"
    data = {
        "postal_code": postal_code, "country": "Россия", "country_iso_code": "RU",
        "federal_district": None, "region_fias_id": hashlib.md5(region_name.encode()).hexdigest()[:8]
        + "-0000-4000-8000-000000000000", "region_kladr_id": f"{region:02d}00000000000",
        "region_iso_code": None, "region_with_type": region_with_type, "region_type": None,
        "region_type_full": None, "region": region_name, "area_fias_id": None, "area_kladr_id": None,
        "area_with_type": None, "area": None, "city_fias_id": None,
        "city_kladr_id": f"{region:02d}00000100000", "city_with_type": city, "city_type": "г",
        "city": city[2:], "city_district_with_type": None, "settlement_with_type": None,
        "street_fias_id": None, "street_kladr_id": None, "street_with_type": street,
        "street_type": street.split()[0], "street": street.split(maxsplit=1)[1], "house_type": "д",
        "house": house, "block_type": None, "block": None, "flat_type": None, "flat": None,
        "postal_box": None, "fias_id": None, "fias_code": None, "fias_level": "8",
        "fias_actuality_state": "0", "kladr_id": None, "capital_marker": "0", "okato": digits(11),
        "oktmo": digits(8), "tax_office": f"{region:02d}{rng.randint(1, 50):02d}",
        "tax_office_legal": None, "timezone": tz, "geo_lat": None, "geo_lon": None,
        "beltway_hit": None, "beltway_distance": None, "metro": None, "qc_geo": "5", "qc_complete": None,
        "qc_house": None, "history_values": None, "unparsed_parts": None,
        "source": f"{postal_code}, {short.upper()}", "qc": "0",
    }
    if coordinates:
        data["geo_lat"] = f"{float(lat) + rng.uniform(-0.05, 0.05):.6f}"
        data["geo_lon"] = f"{float(lon) + rng.uniform(-0.05, 0.05):.6f}"
        data["qc_geo"] = str(rng.choice([0, 1]))
    full = f"{postal_code}, {short}"
    return {"value": short, "unrestricted_value": full, "invalidity": None, "data": data}


def hid(*parts):
    return hashlib.sha256("|".join(parts).encode()).hexdigest()


def state(status, registered, liquidated=None, actuality=None):
    actuality = actuality or liquidated or random_date(2023, 2025)
    code = {"ACTIVE": None, "LIQUIDATING": "101", "LIQUIDATED": "201", "BANKRUPT": "117",
            "REORGANIZING": "121"}.get(status)
    return {"status": status, "code": code, "actuality_date": millis(actuality),
            "registration_date": millis(registered),
            "liquidation_date": millis(liquidated) if liquidated else None}


def legal(opf, name, region, *, status="ACTIVE", branch_type="MAIN", branch_count=0, inn=None, kpp=None,
          registered=None, manager=True, coordinates=True, okved=None, full_name=None, post=None):
    registered = registered or random_date(1992, 2021)
    inn = inn or inn10(region)
    kpp = kpp or f"{inn[:4]}01001"
    opf_code, opf_full, opf_upper = OPF[opf]
    short_with_opf = f"{opf} {name}"
    liquidated = random_date(registered.year + 1, 2024) if status == "LIQUIDATED" else None
    surname, first, patronym = person()
    management = None
    if manager:
        management = {"name": f"{surname} {first} {patronym}",
                      "post": post or rng.choice(POSTS[:3] if status == "ACTIVE" else POSTS[3:5]),
                      "disqualified": None}
    data = {
        "kpp": kpp, "capital": None, "management": management, "founders": None, "managers": None,
        "predecessors": None, "successors": None, "branch_type": branch_type, "branch_count": branch_count,
        "source": None, "qc": None, "hid": hid(inn, kpp), "type": "LEGAL",
        "state": state(status, registered, liquidated),
        "opf": {"type": "2014", "code": opf_code, "full": opf_full, "short": opf},
        "name": {"full_with_opf": full_name or f"{opf_upper} {name}", "short_with_opf": short_with_opf,
                 "latin": None, "full": name.strip('"'), "short": name.strip('"')},
        "inn": inn, "ogrn": ogrn(region, registered.year), "okpo": digits(8) if rng.random() < 0.7 else None,
        "okato": None, "oktmo": None, "okogu": None, "okfs": None,
        "okved": okved or rng.choice(OKVEDS), "okveds": None, "okved_type": "2014",
        "authorities": None, "documents": None, "licenses": None, "finance": None,
        "address": address(region, coordinates), "phones": None, "emails": None,
        "ogrn_date": millis(registered), "employee_count": rng.choice([None, None, 12, 250])}
    shown = full_name or short_with_opf
    return {"value": short_with_opf, "unrestricted_value": shown, "data": data}


def branch(head, number, region):
    """A branch: the head office's INN and OGRN, a KPP of its own, an address in its own region."""
    entry = json.loads(json.dumps(head))
    data = entry["data"]
    data["kpp"] = f"{region:02d}{rng.randint(1, 50):02d}43{number:03d}"
    data["branch_type"] = "BRANCH"
    data["branch_count"] = 0
    data["management"] = None
    data["address"] = address(region)
    data["hid"] = hid(data["inn"], data["kpp"])
    entry["value"] = f'{head["value"]} ФИЛИАЛ В {REGIONS[region][2][2:].upper()}'
    entry["unrestricted_value"] = entry["value"]
    return entry


def trader(region, *, female=None, status="ACTIVE", legacy_nulls=False, coordinates=True, okved=None,
           registered=None):
    """A sole trader: current answers omit kpp, management and the branch members; older ones sent nulls."""
    registered = registered or random_date(2004, 2023)
    surname, first, patronym = person(female)
    full = f"{surname} {first} {patronym}"
    liquidated = random_date(registered.year + 1, 2024) if status == "LIQUIDATED" else None
    inn = inn12(region)
    data = {
        "fio": {"surname": surname, "name": first, "patronymic": patronym, "gender": None, "source": None,
                "qc": None},
        "source": None, "qc": None, "hid": hid(inn), "type": "INDIVIDUAL",
        "state": state(status, registered, liquidated),
        "opf": {"type": "2014", "code": "50102", "full": "Индивидуальный предприниматель", "short": "ИП"},
        "name": {"full_with_opf": f"Индивидуальный предприниматель {full}", "short_with_opf": f"ИП {full}",
                 "latin": None, "full": full, "short": None},
        "inn": inn, "ogrn": ogrnip(region, registered.year), "okpo": None, "okato": None, "oktmo": None,
        "okogu": None, "okfs": None, "okved": okved or rng.choice(["47.91", "49.32", "96.02", "45.20"]),
        "okveds": None, "okved_type": "2014", "authorities": None, "documents": None, "licenses": None,
        "finance": None, "address": address(region, coordinates), "phones": None, "emails": None,
        "ogrn_date": millis(registered), "employee_count": None}
    if legacy_nulls:
        data.update({"kpp": None, "management": None, "branch_type": None, "branch_count": None})
    return {"value": f"ИП {full}", "unrestricted_value": f"ИП {full}", "data": data}


def build():
    entries = []
    region_cycle = [77, 78, 50, 16, 66, 54, 23, 2, 5, 47, 10, 25, 38, 52, 61, 74, 86, 91, 14, 39, 76, 29]

    # A bank with head office and branches: a branch's KPP finds the branch.
    bank = legal("АО", 'КБ "СЕВЕРНАЯ ПРИСТАНЬ"', 77, branch_count=3, registered=date(2002, 8, 16),
                 okved="64.19", post="ПРЕДСЕДАТЕЛЬ ПРАВЛЕНИЯ")
    entries.append(bank)
    for number, region in enumerate([78, 66, 54], start=1):
        entries.append(branch(bank, number, region))

    # Entities in every state the register knows.
    entries.append(legal("ООО", '"ВОЛХОВСКИЙ ЛЕС"', 47, status="LIQUIDATING"))
    entries.append(legal("ООО", '"УРАЛМЕТКОНСТРУКЦИЯ"', 74, status="LIQUIDATED", manager=False))
    entries.append(legal("АО", '"СУДОРЕМОНТНЫЙ ЗАВОД ПОМОРЬЕ"', 29, status="BANKRUPT",
                         post="КОНКУРСНЫЙ УПРАВЛЯЮЩИЙ"))
    entries.append(legal("ООО", '"ТЕПЛОСЕТЬ-ИНВЕСТ"', 52, status="REORGANIZING"))
    entries.append(legal("ООО", '"КАСПИЙ РЫБПРОМ"', 5, status="LIQUIDATED"))
    entries.append(legal("ПАО", '"ЯКУТСКАЯ ТОПЛИВНАЯ КОМПАНИЯ"', 14, branch_count=2, okved="06.20"))

    # The pair whose order shows the collation: АО Бета before ООО Альфа.
    entries.append(legal("ООО", "Альфа", 61))
    entries.append(legal("АО", "Бета", 61))

    # Names longer than 255 characters.
    long_name = ("ФЕДЕРАЛЬНОЕ ГОСУДАРСТВЕННОЕ БЮДЖЕТНОЕ ОБРАЗОВАТЕЛЬНОЕ УЧРЕЖДЕНИЕ ВЫСШЕГО ОБРАЗОВАНИЯ "
                 "\"СЕВЕРО-ЗАПАДНЫЙ ГОСУДАРСТВЕННЫЙ УНИВЕРСИТЕТ ПУТЕЙ СООБЩЕНИЯ, МОРСКОГО И РЕЧНОГО ФЛОТА "
                 "ИМЕНИ АДМИРАЛА СТЕПАНА ОСИПОВИЧА МАКАРОВА И ИНЖЕНЕРА ПАВЛА ПЕТРОВИЧА МЕЛЬНИКОВА\" "
                 "МИНИСТЕРСТВА ТРАНСПОРТА РОССИЙСКОЙ ФЕДЕРАЦИИ")
    entries.append(legal("ФГБОУ ВО", '"СЗГУПС ИМ. МАКАРОВА"', 78, full_name=long_name, okved="85.22",
                         post="РЕКТОР"))
    entries.append(legal("АО", '"НАУЧНО-ПРОИЗВОДСТВЕННОЕ ОБЪЕДИНЕНИЕ"', 66, full_name=(
        "АКЦИОНЕРНОЕ ОБЩЕСТВО \"НАУЧНО-ПРОИЗВОДСТВЕННОЕ ОБЪЕДИНЕНИЕ АВТОМАТИКИ, ТЕЛЕМЕХАНИКИ И СВЯЗИ "
        "ИМЕНИ АКАДЕМИКА НИКОЛАЯ АЛЕКСЕЕВИЧА СЕМИХАТОВА, СОЗДАННОЕ ДЛЯ РАЗРАБОТКИ И ВЫПУСКА СИСТЕМ "
        "УПРАВЛЕНИЯ ДВИЖЕНИЕМ НА МАГИСТРАЛЬНОМ И ПРОМЫШЛЕННОМ ЖЕЛЕЗНОДОРОЖНОМ ТРАНСПОРТЕ УРАЛА\"")))

    # OKVED texts longer than the 20 characters the program keeps.
    entries.append(legal("ООО", '"ЦИФРОВЫЕ РЕШЕНИЯ"', 16,
                         okved="62.01 Разработка компьютерного программного обеспечения"))
    entries.append(trader(23, okved="47.91.2 Торговля розничная через интернет-магазины"))

    # Entries without coordinates.
    entries.append(legal("ООО", '"ДАЛЬНИЙ РЕЙС"', 25, coordinates=False))
    entries.append(trader(38, coordinates=False))

    # Sole traders: the current shape (members absent) and the older one ("kpp": null and friends).
    for i, region in enumerate([66, 2, 91, 39, 76, 53]):
        entries.append(trader(region, legacy_nulls=i % 2 == 1, status="LIQUIDATED" if i == 4 else "ACTIVE"))

    # Names that show the Russian collation against byte order: Ё after Е, lower case among upper
    # case, Latin after Cyrillic.
    entries.append(legal("ООО", '"ЁЛКА-ТОРГ"', 78))
    entries.append(legal("ООО", '"ЕЛАНЬ"', 78))
    entries.append(legal("ООО", '"LOTOS TRADE"', 78))
    entries.append(legal("ООО", '"лесная поляна"', 78))

    # Twenty-six entries that share the word ЗАРЯ: a query for it fills the list with 20 rows.
    zarya_names = ['"ЗАРЯ"', '"ЗАРЯ-АГРО"', '"ЗАРЯ ВОСТОКА"', '"АГРОФИРМА ЗАРЯ"', '"ЗАРЯ-М"',
                   '"МОЛОЧНЫЙ КОМБИНАТ ЗАРЯ"', '"ТД ЗАРЯ"', '"ЗАРЯ-ТРАНС"', '"ЗАРЯ СЕВЕРА"', '"НОВАЯ ЗАРЯ"',
                   '"ЗАРЯ-СТРОЙ"', '"УТРЕННЯЯ ЗАРЯ"', '"ЗАРЯ ПЛЮС"', '"ЗАРЯ-ЭНЕРГО"', '"КРАСНАЯ ЗАРЯ"',
                   '"ЗАРЯ-ФАРМ"', '"ЗАРЯ-2"', '"ЗАРЯ ЮГА"', '"ЗАРЯ-ХОЛДИНГ"', '"ЗАРЯ-СЕРВИС"']
    for i, name in enumerate(zarya_names):
        region = region_cycle[i % len(region_cycle)]
        opf = "СПК" if i in (0, 3, 14) else "ООО"
        entries.append(legal(opf, name, region))
    for i, region in enumerate([23, 61, 16, 52, 2, 77]):
        entry = trader(region, legacy_nulls=i % 3 == 0)
        # Sole traders named after their shop: the shared word sits in the name they trade under.
        entry["value"] = entry["unrestricted_value"] = entry["value"] + " (МАГАЗИН ЗАРЯ)"
        entries.append(entry)

    # Exactly nineteen entries that share the word ЛАДОГА.
    ladoga = ['"ЛАДОГА"', '"ЛАДОГА-ТУР"', '"ЛАДОГА ЛОГИСТИК"', '"ПРИЛАДОЖЬЕ ЛАДОГА"', '"ЛАДОГА-М"',
              '"ЛАДОГА-ЭКСПОРТ"', '"ЯХТ-КЛУБ ЛАДОГА"', '"ЛАДОГА СТРОЙ"', '"ЛАДОГА-ЛЕС"', '"ЛАДОГА ФИШ"',
              '"ЛАДОГА-АВТО"', '"ЛАДОГА ПРОЕКТ"', '"ЛАДОГА-ДОМ"', '"ЛАДОГА-СЕВЕР"', '"ЛАДОГА ТЕЛЕКОМ"',
              '"ЛАДОГА-МЕД"', '"ЛАДОГА ПЛЮС"']
    for i, name in enumerate(ladoga):
        entries.append(legal("ООО" if i % 4 else "АО", name, [47, 78, 10][i % 3]))
    for region in (47, 10):
        entry = trader(region)
        entry["value"] = entry["unrestricted_value"] = entry["value"] + " (ГОСТИНИЦА ЛАДОГА)"
        entries.append(entry)

    # Ordinary entries across many regions.
    plain = ['"СИБИРСКИЙ ЭЛЕВАТОР"', '"ЮГТЕХМОНТАЖ"', '"КАМСКАЯ ВЕРФЬ"', '"БАЙКАЛ-ТРАНЗИТ"',
             '"ПОДОЛЬСКИЙ ХЛЕБОЗАВОД"', '"КУБАНЬ-АГРОСНАБ"', '"МАГИСТРАЛЬ-52"']
    for name, region in zip(plain, [54, 23, 16, 38, 50, 23, 52]):
        entries.append(legal("ООО", name, region))
    return entries


def main():
    entries = build()
    # Every fourth entry is written with \u-escaped Cyrillic, the rest as raw UTF-8.
    parts = [json.dumps(e, ensure_ascii=(i % 4 == 3), separators=(",", ":")) for i, e in enumerate(entries)]
    text = '{"suggestions":[\n' + ",\n".join(parts) + "\n]}\n"
    out = Path(__file__).with_name("parties.json")
    out.write_text(text, encoding="utf-8")
    print(f"{len(entries)} entries written to {out}")


if __name__ == "__main__":
    main()
