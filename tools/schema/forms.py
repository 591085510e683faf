"""Which sections, rows and options make up the listing form of each deal type and property type.

Read by generate_seed.py, which turns every form into its `Relations` entries. A form lists the
inputs of the general card (row 3) and, per option row, the options offered, taken from the
groups below. The groups are ordered from the most to the least commonly wanted option, so a
form that offers fewer options takes a leading slice of a group.

Each form gets one section-level entry per section (unless the section is named in
`sections_by_rows`, in which case it shows only through its rows), one row-level entry per row,
one entry per offered option or input, and the entries of the attached rows of the options that
reveal one (`Field.ATTACHED_ROW`), under section -1 like the attached rows themselves.
"""

# --- Option groups, most wanted first -------------------------------------------------------

POSITION = [100, 101, 102, 103, 107, 106, 104, 105]          # north ... on the main road, alley, mall, bazaar
ORIENTATION = [200, 201, 202, 203, 204]
FEATURES_HOME = [300, 307, 302, 303, 304, 301, 314, 305, 306, 308, 312, 313, 315, 316, 309, 310, 311, 317]
FEATURES_VILLA = [300, 307, 302, 303, 304, 314, 308, 312, 313, 315, 316, 306, 305, 309, 310, 311, 317, 301]
FEATURES_LAND = [308, 309, 317, 310, 312, 311, 313, 315, 316, 306]
FEATURES_SHOP = [308, 309, 317, 307, 306, 311, 312, 313]
FACADE = [403, 402, 401, 405, 406, 407, 400, 404, 408]
COMMON_AREAS = [900, 901, 902, 905, 906, 907, 908, 904, 903]
HEATING = [503, 502, 500, 501, 504, 507, 506, 508, 505]
FLOORING = [600, 601, 603, 604, 602, 605]
KITCHEN = [709, 700, 715, 712, 713, 704, 705, 703, 706, 707, 708, 701, 702, 710, 711, 714]
BATHROOM = [800, 801, 802, 803]
WALLS = [1500, 1501, 1503, 1502, 1504, 1505]
AMENITIES = [1209, 1203, 1207, 1204, 1200, 1201, 1206, 1208, 1224, 1219, 1205, 1217, 1218, 1210,
             1211, 1213, 1225, 1214, 1215, 1216, 1202, 1223, 1220, 1221, 1222]
AMENITIES_WORK = [1207, 1204, 1205, 1219, 1217, 1218, 1210, 1224, 1209, 1213, 1211, 1222, 1225,
                  1214, 1203, 1200, 1208, 1215, 1223, 1221, 1220]
PARKING = [1101, 1100, 1102]
LAND_USE = [1400, 1401, 1402, 1407, 1408, 1405, 1403, 1406, 1404]
UTILITIES = [1300, 1301, 1302, 1303]
STRUCTURE = [1602, 1600, 1601]
ROOF = [1703, 1700, 1704, 1702, 1701, 1705, 1706, 1707]
PROGRESS = [1803, 1802, 1801, 1800, 1806, 1807, 1805, 1804]

# Property status (section 16): occupancy and rights (row 24, one choice), papers (row 25),
# exchange and joint building (row 26), density (row 31, whose option 1021 reveals row 30).
OCCUPANCY = [1000, 1001, 1002]
SHOP_RIGHTS = [1013, 1014, 1000, 1001]
PERMITS = [1018, 1019]
PAPERS = [1003, 1004, 1005, 1006]
LAND_PAPERS = [1004, 1005, 1006]
EXCHANGE = [1007, 1020]
DENSITY_LEVELS = [1015, 1016, 1017]

def ids(*spans):
    """Ids from single numbers and inclusive (first, last) spans."""
    out = []
    for span in spans:
        if isinstance(span, tuple):
            out.extend(range(span[0], span[1] + 1))
        else:
            out.append(span)
    return out


# --- Choice forms -----------------------------------------------------------------------------

# (pair, section, row, options): the deal-type choice of property files (-1, -1) and applicant
# files (-2, -2), then the property types each deal type allows.
CHOICES = [
    ((-1, -1), 1, 1, [1, 2, 3, 4]),
    ((-2, -2), 1, 1, [5, 6, 7, 8]),
    ((1, -1), 2, 2, ids((50, 58))),
    ((2, -1), 2, 2, [50, 51, 52, 54, 55, 56, 58]),
    ((3, -1), 2, 2, [53, 57]),
    ((4, -1), 2, 2, [50, 51, 54, 55]),
    ((5, -2), 2, 2, ids((50, 58))),
    ((6, -2), 2, 2, [50, 51, 52, 54, 55, 56, 58]),
    ((7, -2), 2, 2, [53, 57]),
    ((8, -2), 2, 2, [50, 51, 54, 55]),
]

# The teardown entry of the partnership property list was filed under section -1. Field queries
# do not look at the section, so the list is unaffected; kept as it is.
CHOICE_SECTION_EXCEPTIONS = {((3, -1), 57): -1}

# --- Attribute forms --------------------------------------------------------------------------

# Each form: inputs of row 3 and {row: options}. Rows 24, 25, 26, 30 and 31 belong to section 16.
FORMS = {}


def form(deal, prop, inputs, rows, sections_by_rows=(), bare_sections=(), duplicates=()):
    """bare_sections: sections entered without any row; duplicates: (row, field) entered twice."""
    FORMS[(deal, prop)] = {"inputs": inputs, "rows": rows,
                           "sections_by_rows": list(sections_by_rows),
                           "bare_sections": list(bare_sections), "duplicates": list(duplicates)}


# Sale (1)
form(1, 50, ids((3001, 3014), (3048, 3053)), {
    4: POSITION[:6], 5: ORIENTATION, 6: FEATURES_HOME[:9], 7: FACADE, 8: COMMON_AREAS,
    9: HEATING, 10: FLOORING, 11: KITCHEN[:14], 12: BATHROOM, 13: WALLS, 14: AMENITIES[:17],
    15: PARKING, 20: UTILITIES, 24: OCCUPANCY, 25: PAPERS, 26: EXCHANGE})
form(1, 51, ids((3001, 3007), 3009, 3011, 3014, (3048, 3053)), {
    4: POSITION[:6], 6: FEATURES_VILLA[:13], 7: FACADE[:6], 8: COMMON_AREAS[:5], 9: HEATING[:7],
    10: FLOORING[:5], 11: KITCHEN[:10], 12: BATHROOM, 13: WALLS[:4], 14: AMENITIES[:15],
    15: PARKING, 20: UTILITIES, 24: OCCUPANCY, 25: PAPERS, 26: EXCHANGE})
form(1, 52, ids((3001, 3007), 3009, 3011, 3014, (3020, 3021), (3048, 3051)), {
    4: POSITION[:6], 6: FEATURES_HOME[:8], 7: FACADE[:7], 9: HEATING[:8], 10: FLOORING[:5],
    11: KITCHEN[:10], 12: BATHROOM, 13: WALLS[:4], 14: AMENITIES[:16], 15: PARKING,
    20: UTILITIES, 24: OCCUPANCY, 25: PAPERS, 26: EXCHANGE})
form(1, 53, ids((3001, 3006), (3020, 3021), (3048, 3053)), {
    4: POSITION[:6], 19: LAND_USE, 20: UTILITIES, 24: PERMITS, 25: LAND_PAPERS, 26: EXCHANGE})
form(1, 54, ids((3001, 3005), 3007, (3009, 3014), (3048, 3053)), {
    4: POSITION, 7: FACADE[:6], 9: HEATING[:5], 10: FLOORING[:4], 12: BATHROOM[:2],
    14: AMENITIES_WORK[:8], 15: PARKING[:2], 20: UTILITIES, 24: SHOP_RIGHTS, 25: PAPERS,
    26: EXCHANGE[:1]})
form(1, 55, ids((3001, 3005), 3010, (3022, 3025), (3048, 3053)), {
    4: POSITION, 6: FEATURES_SHOP[:2], 12: BATHROOM[:1], 13: WALLS[:1], 15: PARKING[:2],
    20: UTILITIES, 24: SHOP_RIGHTS, 25: PAPERS[:2], 26: EXCHANGE[:1]})
form(1, 56, ids((3001, 3011), (3013, 3014), (3020, 3021), (3048, 3053)), {
    4: POSITION[:6], 6: FEATURES_HOME[:10], 7: FACADE, 8: COMMON_AREAS[:7], 9: HEATING,
    10: FLOORING, 11: KITCHEN[:12], 12: BATHROOM, 13: WALLS, 14: AMENITIES[:18], 15: PARKING,
    20: UTILITIES, 24: OCCUPANCY, 25: PAPERS, 26: EXCHANGE})
form(1, 57, ids((3001, 3007), (3020, 3021), (3048, 3053)), {
    4: POSITION[:6], 6: FEATURES_LAND[:4], 19: LAND_USE[:5], 20: UTILITIES, 24: PERMITS,
    25: LAND_PAPERS, 26: EXCHANGE})
form(1, 58, ids((3001, 3007), (3048, 3053)), {})

# Rent (2). Land and teardown are not offered for rent; those two pairs keep only the bare
# utilities section, which no form reaches.
form(2, 50, ids((3001, 3007), (3009, 3014), (3046, 3047), (3050, 3053)), {
    4: POSITION[:6], 5: ORIENTATION, 6: FEATURES_HOME[:9], 7: FACADE, 8: COMMON_AREAS,
    9: HEATING, 10: FLOORING, 11: KITCHEN, 12: BATHROOM, 13: WALLS, 14: AMENITIES[:21],
    15: PARKING, 20: UTILITIES, 24: OCCUPANCY, 31: [1022]})
form(2, 51, ids((3001, 3007), 3009, 3011, 3014, (3046, 3047), (3050, 3053)), {
    4: POSITION[:6], 6: FEATURES_VILLA[:14], 7: FACADE[:6], 8: COMMON_AREAS[:5], 9: HEATING[:7],
    10: FLOORING[:5], 11: KITCHEN[:12], 12: BATHROOM, 13: WALLS[:4], 14: AMENITIES[:20],
    15: PARKING, 20: UTILITIES, 24: OCCUPANCY, 31: [1022]})
form(2, 52, ids((3001, 3007), 3009, 3014, (3020, 3021), (3046, 3047), (3050, 3051)), {
    4: POSITION[:6], 6: FEATURES_HOME[:12], 7: FACADE[:7], 9: HEATING[:8], 10: FLOORING[:5],
    11: KITCHEN[:12], 12: BATHROOM, 13: WALLS[:4], 14: AMENITIES[:18], 15: PARKING,
    20: UTILITIES, 24: OCCUPANCY, 31: [1022]})
form(2, 53, [], {}, bare_sections=[20])
form(2, 54, ids((3001, 3005), 3007, (3009, 3014), (3046, 3047), (3050, 3053)), {
    4: POSITION, 7: FACADE[:6], 9: HEATING[:7], 10: FLOORING[:4], 12: BATHROOM[:2],
    14: AMENITIES_WORK[:12], 15: PARKING[:2], 20: UTILITIES, 24: SHOP_RIGHTS, 31: [1022]})
form(2, 55, ids((3001, 3005), 3010, (3022, 3025), (3046, 3047), (3050, 3053)), {
    4: POSITION, 6: FEATURES_SHOP[:5], 12: BATHROOM[:1], 13: WALLS[:2], 15: PARKING[:2],
    20: UTILITIES, 24: SHOP_RIGHTS, 31: [1022]})
form(2, 56, ids((3001, 3011), (3013, 3014), (3020, 3021), (3046, 3047), (3050, 3053)), {
    4: POSITION[:6], 6: FEATURES_HOME[:10], 7: FACADE, 8: COMMON_AREAS[:7], 9: HEATING,
    10: FLOORING, 11: KITCHEN, 12: BATHROOM, 13: WALLS, 14: AMENITIES[:21], 15: PARKING,
    20: UTILITIES, 24: OCCUPANCY, 31: [1022]})
form(2, 57, [], {}, bare_sections=[20])
form(2, 58, ids((3001, 3007), (3046, 3047), (3050, 3053)), {})

# Partnership in construction (3)
for _prop in (53, 57):
    form(3, _prop, ids((3001, 3007), (3020, 3021), (3029, 3035), (3050, 3053)), {
        4: POSITION[:6], 6: FEATURES_LAND[:3], 19: LAND_USE, 20: UTILITIES, 24: PERMITS,
        30: DENSITY_LEVELS, 31: [1021]})

# Pre-sale (4): the building is not finished yet, so its structure, roof and progress count.
form(4, 50, ids((3001, 3013), 3035, (3048, 3053)), {
    4: POSITION[:6], 5: ORIENTATION, 6: FEATURES_HOME[:6], 7: FACADE, 8: COMMON_AREAS,
    9: HEATING, 10: FLOORING, 11: KITCHEN, 12: BATHROOM, 13: WALLS, 14: AMENITIES[:14],
    15: PARKING, 20: UTILITIES, 21: STRUCTURE, 22: ROOF, 23: PROGRESS,
    24: PERMITS, 25: LAND_PAPERS, 26: EXCHANGE})
form(4, 51, ids((3001, 3007), 3009, 3011, 3035, (3048, 3053)), {
    4: POSITION[:6], 6: FEATURES_VILLA[:10], 8: COMMON_AREAS[:5], 9: HEATING[:7],
    11: KITCHEN[:10], 12: BATHROOM, 13: WALLS[:4], 14: AMENITIES[:12], 15: PARKING,
    20: UTILITIES, 21: STRUCTURE, 22: ROOF, 23: PROGRESS, 24: PERMITS, 25: LAND_PAPERS,
    26: EXCHANGE})
form(4, 54, ids((3001, 3005), 3007, (3010, 3013), 3035, (3048, 3053)), {
    4: POSITION, 7: FACADE[:6], 9: HEATING[:5], 10: FLOORING[:4], 12: BATHROOM[:2],
    14: AMENITIES_WORK[:7], 15: PARKING[:2], 20: UTILITIES, 21: STRUCTURE, 22: ROOF,
    23: PROGRESS, 24: PERMITS, 25: LAND_PAPERS, 26: EXCHANGE[:1]})
form(4, 55, ids((3001, 3005), 3010, (3022, 3025), 3035, (3048, 3053)), {
    4: POSITION[:5], 6: FEATURES_SHOP[:2], 12: BATHROOM[:1], 15: PARKING[:2], 20: UTILITIES,
    21: STRUCTURE, 22: ROOF[:6], 23: PROGRESS, 24: PERMITS, 25: LAND_PAPERS[:2], 26: EXCHANGE[:1]})

# Purchase applicant (5): what the buyer asks for, so fewer options.
form(5, 50, ids((3001, 3002), 3004, 3007, 3009, 3014, (3049, 3050)), {
    4: POSITION[:4], 6: FEATURES_HOME[:4], 8: COMMON_AREAS[:3], 14: AMENITIES[:6],
    15: PARKING[:1], 25: [1003, 1005], 26: EXCHANGE[:1]})
form(5, 51, ids((3001, 3002), 3004, 3006, 3009, 3014, (3049, 3050)), {
    4: POSITION[:4], 6: FEATURES_VILLA[:4], 8: COMMON_AREAS[:2], 14: AMENITIES[:5],
    15: PARKING[:1], 25: [1003, 1005], 26: EXCHANGE[:1]})
form(5, 52, ids((3001, 3002), 3004, 3006, 3009, 3014, (3049, 3050)), {
    4: POSITION[:4], 6: FEATURES_HOME[:3], 14: AMENITIES[:3], 15: PARKING[:1],
    25: [1003, 1005], 26: EXCHANGE[:1]})
form(5, 53, ids((3001, 3002), 3004, 3006, (3049, 3050)), {
    19: LAND_USE, 24: PERMITS}, sections_by_rows=[16])
form(5, 54, ids((3001, 3002), 3004, 3007, 3009, (3049, 3050)), {
    4: [100, 107], 15: PARKING[:1], 25: [1003, 1004]})
form(5, 55, ids((3001, 3002), 3004, 3022, (3049, 3050)), {
    4: [107, 104], 6: FEATURES_SHOP[:1], 15: PARKING[:1], 24: [1013, 1014]})
form(5, 56, ids((3001, 3002), 3004, 3006, 3009, (3049, 3050)), {
    4: POSITION[:4], 6: FEATURES_HOME[:4], 8: COMMON_AREAS[:2], 14: AMENITIES[:4],
    15: PARKING[:1], 25: [1003, 1005], 26: EXCHANGE[:1]})
form(5, 57, ids((3001, 3002), 3004, 3006, (3049, 3050)), {
    4: POSITION[:4], 24: PERMITS}, sections_by_rows=[16])
# The warehouse applicant carries a second copy of its district entry; queries return
# distinct fields, so the form is the same.
form(5, 58, ids((3001, 3002), 3004, 3006, (3049, 3050)), {}, duplicates=[(3, 3050)])

# Rent applicant (6)
form(6, 50, ids((3001, 3002), 3004, 3007, 3009, 3014, 3039, (3046, 3047), 3050), {
    4: POSITION[:4], 6: FEATURES_HOME[:4], 8: COMMON_AREAS[:4], 14: AMENITIES[:11],
    15: PARKING[:1], 31: [1022]}, sections_by_rows=[16])
form(6, 51, ids((3001, 3002), 3004, 3006, 3009, 3014, 3039, (3046, 3047), 3050), {
    4: POSITION[:4], 6: FEATURES_VILLA[:4], 8: COMMON_AREAS[:3], 14: AMENITIES[:10],
    15: PARKING[:1], 31: [1022]}, sections_by_rows=[16])
form(6, 52, ids((3001, 3002), 3004, 3006, 3009, 3014, 3039, (3046, 3047), 3050), {
    4: POSITION[:4], 6: FEATURES_HOME[:4], 14: AMENITIES[:8], 15: PARKING[:1], 31: [1022]},
    sections_by_rows=[16])
form(6, 54, ids((3001, 3002), 3004, 3007, (3046, 3047), 3050), {
    4: [100, 101, 107, 104], 15: PARKING[:1], 31: [1022]}, sections_by_rows=[16])
form(6, 55, ids((3001, 3002), 3004, 3022, (3046, 3047), 3050), {
    4: [107, 104, 105], 6: FEATURES_SHOP[:2], 15: PARKING[:1], 31: [1022]},
    sections_by_rows=[16])
form(6, 56, ids((3001, 3002), 3004, 3006, 3009, (3046, 3047), 3050), {
    4: POSITION[:4], 6: FEATURES_HOME[:4], 8: COMMON_AREAS[:4], 14: AMENITIES[:11],
    15: PARKING[:1], 31: [1022]}, sections_by_rows=[16])
form(6, 58, ids((3001, 3002), 3004, 3006, (3046, 3047), 3050), {})

# Partnership applicant (7)
for _prop in (53, 57):
    form(7, _prop, ids((3001, 3002), 3004, 3041), {})

# Pre-purchase applicant (8)
form(8, 50, ids((3001, 3002), 3004, 3007, 3009, (3049, 3050)), {
    4: POSITION[:4], 6: FEATURES_HOME[:5], 8: COMMON_AREAS[:4], 14: AMENITIES[:5],
    15: PARKING[:1], 25: [1004, 1005]}, sections_by_rows=[16])
form(8, 51, ids((3001, 3002), 3004, 3006, 3009, (3049, 3050)), {
    4: POSITION[:4], 6: FEATURES_VILLA[:5], 8: COMMON_AREAS[:3], 14: AMENITIES[:5],
    15: PARKING[:1], 25: [1004, 1005]}, sections_by_rows=[16])
form(8, 54, ids((3001, 3002), 3004, 3007, 3009, (3049, 3050)), {
    4: [100, 101, 107, 104], 15: PARKING[:1], 25: [1004, 1003]}, sections_by_rows=[16])
form(8, 55, ids((3001, 3002), 3004, 3022, (3049, 3050)), {
    4: [107, 104, 105], 6: FEATURES_SHOP[:2], 15: PARKING[:1], 25: [1004, 1003]},
    sections_by_rows=[16])

# Relations entries are numbered in the order generate_seed.py writes them out. Two stray
# entries keep the ids they were filed under; the numbering flows around them.
PINNED_IDS = {
    (2, 53, 20, -1, -1): 2664,
    (2, 57, 20, -1, -1): 2668,
}

# Ids that follow from the order and that other records and tests rely on.
EXPECTED_IDS = {
    (-1, -1, 1, -1, -1): 1,
    (1, 50, 15, 15, 1100): 185,
}
