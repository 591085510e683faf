import QtQuick 2.15
import QtTest 1.15
import "qrc:/src/scripts/Colors.js" as Colors
import "qrc:/src/scripts/Strings.js" as Strings
import "qrc:/src/scripts/MaterialIcons.js" as MaterialIcons
import "qrc:/src/scripts/Countries.js" as Countries

// The constant tables: palette, fixed texts, icon glyphs against the shipped icon font, and the
// country table's rows as a list model receives them.
TestCase {
    id: testCase

    name: "ScriptTables"

    FontLoader {
        id: iconFont
        source: "qrc:/rss/fonts/materialdesignicons-webfont.ttf"
    }

    ListModel {
        id: countries
    }

    function glyphNames() {
        var source = testSupport.readTextFile(":/src/scripts/MaterialIcons.js")
        var names = []
        var pattern = /^var (\w+) = /gm
        var match
        while ((match = pattern.exec(source)) !== null)
            names.push(match[1])
        return names
    }

    function test_palette() {
        var names = ["subscribeRed", "subscribeBlue", "subscribePurple", "subscribeGreen", "field",
                     "primary", "primaryDark", "accent", "white", "lightGrey", "mediumGrey", "darkGrey",
                     "danger", "black", "grey", "grey2", "text", "gray", "green", "pink", "blue",
                     "lightBlue", "lightPink", "lightGreen", "coolRed", "appPurple", "appOrange",
                     "appYellow", "appGreen", "fieldBack", "fieldIcon", "fieldText", "gold", "night",
                     "back", "card", "main", "mainDark"]
        for (var i = 0; i < names.length; ++i)
            verify(/^#[0-9a-f]{6}$/.test(Colors[names[i]]), names[i] + " = " + Colors[names[i]])
        verify(Colors.grey !== Colors.gray)
        compare(Colors.lightBlue, Colors.fieldBack)
        compare(Colors.primary, "#5260ff")
        compare(Colors.coolRed, "#ff6c70")
        compare(Colors.danger, "#eb445a")
    }

    function test_fixedTexts() {
        compare(Strings.appTitle, "ســامانه فایلیـــنگ Zorvane")
        compare(Strings.slogen, "جامع ترین ســــــامانه ملـــــکی شـــــــرق کشـــــــور")
    }

    function test_iconTableCoversTheFontOnce() {
        var names = glyphNames()
        compare(names.length, 1650)
        var seen = {}
        for (var i = 0; i < names.length; ++i) {
            var glyph = MaterialIcons[names[i]]
            compare(typeof glyph, "string", names[i])
            compare(glyph.length, 1, names[i])
            var code = glyph.charCodeAt(0)
            verify(code >= 0xF001 && code <= 0xF673, names[i])
            verify(seen[code] === undefined, names[i] + " repeats the glyph of " + seen[code])
            seen[code] = names[i]
            verify(/^_?[a-z][A-Za-z0-9]*$/.test(names[i]), names[i])
        }
        // The font leaves exactly one code point of its range unmapped.
        verify(seen[0xF1C9] === undefined)
        compare(Object.keys(seen).length, 0xF673 - 0xF001)
        var underscored = names.filter(function (n) { return n.charAt(0) === "_" })
        compare(underscored.sort(), ["_console", "_delete", "_export", "_function", "_import",
                                     "_medium", "_opacity", "_package", "_switch"])
    }

    function test_iconsTheDocumentsUse_data() {
        return [
            { tag: "account", glyph: MaterialIcons.account, code: 0xF004 },
            { tag: "accountCardDetails", glyph: MaterialIcons.accountCardDetails, code: 0xF5D2 },
            { tag: "accountSettingsVariant", glyph: MaterialIcons.accountSettingsVariant, code: 0xF631 },
            { tag: "chevronRight", glyph: MaterialIcons.chevronRight, code: 0xF142 },
            { tag: "close", glyph: MaterialIcons.close, code: 0xF156 },
            { tag: "deleteForever", glyph: MaterialIcons.deleteForever, code: 0xF5E8 },
            { tag: "fileExcel", glyph: MaterialIcons.fileExcel, code: 0xF21B },
            { tag: "magnify", glyph: MaterialIcons.magnify, code: 0xF349 },
            { tag: "settings", glyph: MaterialIcons.settings, code: 0xF493 },
            { tag: "walletMembership", glyph: MaterialIcons.walletMembership, code: 0xF586 },
            { tag: "windows", glyph: MaterialIcons.windows, code: 0xF5B3 },
            { tag: "_delete", glyph: MaterialIcons._delete, code: 0xF1C0 }
        ]
    }

    function test_iconsTheDocumentsUse(data) {
        compare(data.glyph.charCodeAt(0), data.code)
    }

    TextMetrics {
        id: glyphMetrics
        font.family: iconFont.name
        font.pixelSize: 24
    }

    function test_everyGlyphIsDrawnByTheIconFont() {
        tryCompare(iconFont, "status", FontLoader.Ready)
        var names = glyphNames()
        var empty = []
        for (var i = 0; i < names.length; ++i) {
            glyphMetrics.text = MaterialIcons[names[i]]
            if (!(glyphMetrics.advanceWidth > 0))
                empty.push(names[i])
        }
        compare(empty, [])
    }

    function test_countryRows() {
        countries.clear()
        Countries.getCountries(countries)
        compare(countries.count, 243)
        var order = "af al dz as ad ao ai ag ar am aw au at az bs bh bd bb by be bz bj bm bt bo ba bw br io vg bn bg bf bi kh cm ca cv bq ky cf td cl cn cx cc co km cd cg ck cr ci hr cu cw cy cz dk dj dm do ec eg sv gq er ee et fk fo fj fi fr gf pf ga gm ge de gh gi gr gl gd gp gu gt gg gn gw gy ht hn hk hu is in id ir iq ie im il it jm jp je jo kz ke ki xk kw kg la lv lb ls lr ly li lt lu mo mk mg mw my mv ml mt mh mq mr mu yt mx fm md mc mn me ms ma mz mm na nr np nl nc nz ni ne ng nu nf kp mp no om pk pw ps pa pg py pe ph pl pt pr qa re ro ru rw bl sh kn lc mf pm vc ws sm st sa sn rs sc sl sg sx sk si sb so za kr ss es lk sd sr sj sz se ch sy tw tj tz th tl tg tk to tt tn tr tm tc tv vi ug ua ae gb us uy uz vu va ve vn wf eh ye zm zw ax".split(" ")
        var codes = []
        for (var i = 0; i < countries.count; ++i)
            codes.push(countries.get(i).iso2)
        compare(codes, order)

        var iran = countries.get(codes.indexOf("ir"))
        compare(iran.name, "Iran (\u202Bایران\u202C\u200E)")
        compare(iran.dialCode, "98")
        compare(iran.title.fa, "Iran (\u202Bایران\u202C\u200E) (+98)")
        compare(iran.title.en, iran.title.fa)
        compare(iran.image, "../../rss/images/countries/ir.png")
        compare(iran.priority, "")
        compare(iran.areaCodes.count, 0)
        verify(iran.hasIcon && iran.iconToRight && !iran.rightToLeft)
        compare(iran.font, "default")
        compare(iran.titleSize, 10)

        var canada = countries.get(codes.indexOf("ca"))
        compare(canada.dialCode, "1")
        compare(canada.priority, "1")
        compare(canada.areaCodes.count, 42)
        compare(countries.get(codes.indexOf("as")).dialCode, "1684")
        compare(countries.get(codes.indexOf("ai")).dialCode, "1264")
        compare(countries.get(codes.indexOf("ax")).name, "Åland Islands")
    }

    // Facts of E.164: a code shared by several rows names one of them first (priority 0) and
    // orders the rest; under code 1 only the rows with priorities stand for the bare code and all
    // but the United States tell themselves apart by area codes.
    function test_sharedDiallingCodesAreOrdered() {
        var rows = Countries.allCountries
        var byCode = {}
        for (var i = 0; i < rows.length; ++i) {
            verify(/^[0-9]{1,4}$/.test(rows[i][2]), rows[i][0])
            verify(/^[a-z]{2}$/.test(rows[i][1]), rows[i][0])
            if (!byCode[rows[i][2]])
                byCode[rows[i][2]] = []
            byCode[rows[i][2]].push(rows[i])
        }
        var shared = 0
        for (var code in byCode) {
            var group = byCode[code]
            if (group.length === 1) {
                compare(group[0].length, 3, group[0][0] + " has a code of its own")
                continue
            }
            ++shared
            var priorities = group.map(function (row) { return row[3] }).sort()
            var expected = []
            for (var p = 0; p < group.length; ++p)
                expected.push(p)
            compare(priorities, expected, "priorities under +" + code)
        }
        compare(shared, 11)
        var nanp = byCode["1"].filter(function (row) { return row.length === 5 })
        compare(nanp.map(function (row) { return row[1] }).sort(), ["ca", "do", "jm", "pr"])
    }
}
