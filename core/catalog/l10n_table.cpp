// The localised texts of the driver: one row per key, in the column order US English, Japanese,
// French, Italian, German, Spanish, Traditional Chinese, Simplified Chinese, Korean.
// Row numbers are positions and must never change: the option catalogue names texts by them.
#include "core/catalog/l10n_table.h"

namespace pd {

constinit const std::array<LocalizedTextRow, l10nRowCount> l10nTable = {{
    // 0
    {{U"US - 207", U"JA - 207", U"FR - 207", U"IT - 207", U"DE - 207", U"ES - 207", U"TW - 207",
      U"CN - 207", U"KO - 207"},
     U"L10N_LBL_LANGUAGE_VERSION"},
    // 1
    {{U"0x0409", U"0x0411", U"0x040C", U"0x0410", U"0x0407", U"0x040A", U"0x7C04", U"0x0004",
      U"0x0412"},
     U"L10N_LBL_LANGUAGECODE"},
    // 2
    {{U"English", U"日本語", U"Français", U"Italiano", U"Deutsch", U"Español", U"中國傳統",
      U"简体中文", U"한국어"},
     U"L10N_OPT_LANGUAGE_NATIVE"},
    // 3
    {{U"English", U"英語", U"Anglais", U"Inglese", U"Englisch", U"Inglés", U"英文", U"英语",
      U"영어"},
     U"L10N_OPT_LANGUAGE_USENGLISH"},
    // 4
    {{U"French", U"フランス語", U"Français", U"Francese", U"Französisch", U"Francés", U"法文",
      U"法语", U"프랑스어"},
     U"L10N_OPT_LANGUAGE_FRENCH"},
    // 5
    {{U"German", U"ドイツ語", U"Allemand", U"Tedesco", U"Deutsch", U"Alemán", U"德文", U"德语",
      U"독일어"},
     U"L10N_OPT_LANGUAGE_GERMAN"},
    // 6
    {{U"Italian", U"イタリア語", U"Italien", U"Italiano", U"Italienisch", U"Italiano", U"義大利文",
      U"意大利语", U"이탈리아어"},
     U"L10N_OPT_LANGUAGE_ITALIAN"},
    // 7
    {{U"Japanese", U"日本語", U"Japonais", U"Giapponese", U"Japanisch", U"Japonés", U"日文",
      U"日语", U"일본어"},
     U"L10N_OPT_LANGUAGE_JAPANESE"},
    // 8
    {{U"Spanish", U"スペイン語", U"Espagnol", U"Spagnolo", U"Spanisch", U"Español", U"西班牙文",
      U"西班牙语", U"스페인어"},
     U"L10N_OPT_LANGUAGE_SPANISH"},
    // 9
    {{U"Traditional Chinese", U"繁体字中国語", U"Chinois traditionnel", U"Cinese tradizionale",
      U"Chinesisch (traditionell)", U"Chino tradicional", U"繁體中文", U"繁体中文", U"중국어 번체"},
     U"L10N_OPT_LANGUAGE_CHINESETW"},
    // 10
    {{U"Simplified Chinese", U"簡体字中国語", U"Chinois simplifié", U"Cinese semplificato",
      U"Chinesisch (vereinfacht)", U"Chino simplificado", U"簡體中文", U"简体中文", U"중국어 간체"},
     U"L10N_OPT_LANGUAGE_CHINESECN"},
    // 11
    {{U"Korean", U"韓国語", U"Coréen", U"Coreano", U"Koreanisch", U"Coreano", U"韓文", U"韩语",
      U"한국어"},
     U"L10N_OPT_LANGUAGE_KOREAN"},
    // 12
    {{U"Paper Tray", U"給紙トレイ", U"Bac papier", U"Vassoio carta", U"Papierfach",
      U"Bandeja de papel", U"紙匣", U"纸盒", U"용지함"},
     U"L10N_LBL_INPUTSLOT"},
    // 13
    {{U"Imposition", U"面付け", U"Imposition", U"Imposizione", U"Ausschießen", U"Imposición",
      U"拼版", U"拼版", U"조판"},
     U"L10N_LBL_LAYOUT"},
    // 14
    {{U"Adhesive Binding", U"無線綴じ", U"Reliure sans couture", U"Brossura", U"Klebebindung",
      U"Encuadernación sin costura", U"膠裝", U"胶装", U"무선 제본"},
     U"L10N_OPT_LAYOUT_ADHBINDING"},
    // 15
    {{U"Booklet", U"小冊子", U"Livret", U"Opuscolo", U"Broschüre", U"Folleto", U"小冊子", U"小册子",
      U"소책자"},
     U"L10N_OPT_LAYOUT_BOOKLET"},
    // 16
    {{U"2 in 1 (Full Size)", U"2アップ（原寸）", U"2 en 1 (taille réelle)",
      U"2 in 1 (dimensioni reali)", U"2 auf 1 (Originalgröße)", U"2 en 1 (tamaño real)",
      U"2 合 1（原尺寸）", U"2 合 1（原尺寸）", U"2페이지 모아 찍기 (원래 크기)"},
     U"L10N_OPT_LAYOUT_2IN1"},
    // 17
    {{U"2 in 1 (Full Size Reverse)", U"2アップ（原寸・逆順）", U"2 en 1 (taille réelle, inversé)",
      U"2 in 1 (dimensioni reali, inverso)", U"2 auf 1 (Originalgröße, umgekehrt)",
      U"2 en 1 (tamaño real, inverso)", U"2 合 1（原尺寸反向）", U"2 合 1（原尺寸反向）",
      U"2페이지 모아 찍기 (원래 크기, 역순)"},
     U"L10N_OPT_LAYOUT_2IN1REVERSE"},
    // 18
    {{U"2 Repeat", U"2回繰り返し", U"Répétition 2 fois", U"Ripetizione 2 volte",
      U"2-fach wiederholen", U"Repetir 2 veces", U"重複 2 次", U"重复 2 次", U"2회 반복"},
     U"L10N_OPT_LAYOUT_2REPEAT"},
    // 19
    {{U"2-Sided", U"両面", U"Recto verso", U"Fronte-retro", U"Duplex", U"A doble cara", U"雙面",
      U"双面", U"양면"},
     U"L10N_LBL_DUPLEX"},
    // 20
    {{U"Sort/Group", U"ソート/グループ", U"Tri/Groupe", U"Fascicola/Raggruppa",
      U"Sortieren/Gruppieren", U"Clasificar/Agrupar", U"分頁/分組", U"分页/分组", U"한 부씩/그룹"},
     U"L10N_LBL_COLLATE"},
    // 21
    {{U"Sort/Group", U"ソート/グループ", U"Tri/Groupe", U"Fascicola/Raggruppa",
      U"Sortieren/Gruppieren", U"Clasificar/Agrupar", U"分頁/分組", U"分页/分组", U"한 부씩/그룹"},
     U"L10N_OUTPUT_LBL_PRVCOLLATE"},
    // 22
    {{U"Sort/Group", U"ソート/グループ", U"Tri/Groupe", U"Fascicola/Raggruppa",
      U"Sortieren/Gruppieren", U"Clasificar/Agrupar", U"分頁/分組", U"分页/分组", U"한 부씩/그룹"},
     U"L10N_FINISHING_LBL_PRVCOLLATE"},
    // 23
    {{U"Offset", U"オフセット", U"Décalage", U"Sfalsamento", U"Versatz", U"Desplazamiento", U"偏移",
      U"偏移", U"오프셋"},
     U"L10N_LBL_OFFSET"},
    // 24
    {{U"On", U"オン", U"Activé", U"Attivato", U"Ein", U"Activado", U"開啟", U"开启", U"켜기"},
     U"L10N_OPT_PPSFINISHSTAPLING_ON"},
    // 25
    {{U"Yes", U"あり", U"Oui", U"Sì", U"Ja", U"Sí", U"是", U"是", U"예"},
     U"L10N_PAPER_LIST_PAPERNAMES_PREPUNCHED_YES"},
    // 26
    {{U"Face Up", U"フェイスアップ", U"Face imprimée dessus", U"Lato stampato in alto",
      U"Schriftseite oben", U"Cara arriba", U"面朝上", U"面朝上", U"페이스업"},
     U"L10N_LBL_FACEUP"},
    // 27
    {{U"Binding Position", U"綴じ位置", U"Position de reliure", U"Posizione di rilegatura",
      U"Bindeposition", U"Posición de encuadernación", U"裝訂位置", U"装订位置", U"제본 위치"},
     U"L10N_LBL_BINDING"},
    // 28
    {{U"Left Bind", U"左綴じ", U"Reliure à gauche", U"Rilegatura a sinistra", U"Bindung links",
      U"Encuadernación izquierda", U"左側裝訂", U"左侧装订", U"왼쪽 제본"},
     U"L10N_OPT_BINDING_LEFTBINDING"},
    // 29
    {{U"Right Bind", U"右綴じ", U"Reliure à droite", U"Rilegatura a destra", U"Bindung rechts",
      U"Encuadernación derecha", U"右側裝訂", U"右侧装订", U"오른쪽 제본"},
     U"L10N_OPT_BINDING_RIGHTBINDING"},
    // 30
    {{U"Top Bind", U"上綴じ", U"Reliure en haut", U"Rilegatura in alto", U"Bindung oben",
      U"Encuadernación superior", U"上方裝訂", U"上方装订", U"위쪽 제본"},
     U"L10N_OPT_BINDING_TOPBINDING"},
    // 31
    {{U"Staple", U"ステープル", U"Agrafage", U"Pinzatura", U"Heften", U"Grapado", U"裝訂", U"装订",
      U"스테이플"},
     U"L10N_LBL_STAPLE"},
    // 32
    {{U"Staple", U"ステープル", U"Agrafage", U"Pinzatura", U"Heften", U"Grapado", U"裝訂", U"装订",
      U"스테이플"},
     U"L10N_TRAYSPPS_LIST_PPSTRAYS_PPSSTAPLE"},
    // 33
    {{U"Left Corner", U"左上1か所", U"Coin gauche", U"Angolo sinistro", U"Ecke links",
      U"Esquina izquierda", U"左上角", U"左上角", U"왼쪽 모서리"},
     U"L10N_OPT_STAPLE_1STAPLELEFT"},
    // 34
    {{U"Left Corner", U"左上1か所", U"Coin gauche", U"Angolo sinistro", U"Ecke links",
      U"Esquina izquierda", U"左上角", U"左上角", U"왼쪽 모서리"},
     U"L10N_OPT_PPSSTAPLE_1STAPLELEFT"},
    // 35
    {{U"Right Corner", U"右上1か所", U"Coin droit", U"Angolo destro", U"Ecke rechts",
      U"Esquina derecha", U"右上角", U"右上角", U"오른쪽 모서리"},
     U"L10N_OPT_STAPLE_1STAPLERIGHT"},
    // 36
    {{U"Right Corner", U"右上1か所", U"Coin droit", U"Angolo destro", U"Ecke rechts",
      U"Esquina derecha", U"右上角", U"右上角", U"오른쪽 모서리"},
     U"L10N_OPT_PPSSTAPLE_1STAPLERIGHT"},
    // 37
    {{U"Corner", U"コーナー1か所", U"Coin", U"Angolo", U"Ecke", U"Esquina", U"角落", U"角落",
      U"모서리"},
     U"L10N_OPT_STAPLE_1STAPLE"},
    // 38
    {{U"Corner", U"コーナー1か所", U"Coin", U"Angolo", U"Ecke", U"Esquina", U"角落", U"角落",
      U"모서리"},
     U"L10N_OPT_PPSSTAPLE_1STAPLE"},
    // 39
    {{U"2 Positions (Wide)", U"2か所（広）", U"2 positions (large)", U"2 posizioni (larga)",
      U"2 Positionen (weit)", U"2 posiciones (ancho)", U"2 處（寬）", U"2 处（宽）", U"2곳 (넓게)"},
     U"L10N_OPT_STAPLE_2STAPLEWIDE"},
    // 40
    {{U"2 Positions (Wide)", U"2か所（広）", U"2 positions (large)", U"2 posizioni (larga)",
      U"2 Positionen (weit)", U"2 posiciones (ancho)", U"2 處（寬）", U"2 处（宽）", U"2곳 (넓게)"},
     U"L10N_OPT_PPSSTAPLE_2STAPLEWIDE"},
    // 41
    {{U"2 Positions (Narrow)", U"2か所（狭）", U"2 positions (étroit)", U"2 posizioni (stretta)",
      U"2 Positionen (eng)", U"2 posiciones (estrecho)", U"2 處（窄）", U"2 处（窄）",
      U"2곳 (좁게)"},
     U"L10N_OPT_STAPLE_2STAPLENORMAL"},
    // 42
    {{U"2 Positions (Narrow)", U"2か所（狭）", U"2 positions (étroit)", U"2 posizioni (stretta)",
      U"2 Positionen (eng)", U"2 posiciones (estrecho)", U"2 處（窄）", U"2 处（窄）",
      U"2곳 (좁게)"},
     U"L10N_OPT_PPSSTAPLE_2STAPLENORMAL"},
    // 43
    {{U"2 Positions (Narrow+)", U"2か所（狭+）", U"2 positions (étroit+)",
      U"2 posizioni (stretta+)", U"2 Positionen (eng+)", U"2 posiciones (estrecho+)",
      U"2 處（窄+）", U"2 处（窄+）", U"2곳 (좁게+)"},
     U"L10N_OPT_STAPLE_2STAPLENARROW"},
    // 44
    {{U"2 Positions (Narrow+)", U"2か所（狭+）", U"2 positions (étroit+)",
      U"2 posizioni (stretta+)", U"2 Positionen (eng+)", U"2 posiciones (estrecho+)",
      U"2 處（窄+）", U"2 处（窄+）", U"2곳 (좁게+)"},
     U"L10N_OPT_PPSSTAPLE_2STAPLENARROW"},
    // 45
    {{U"Punch", U"パンチ", U"Perforation", U"Perforazione", U"Lochen", U"Perforación", U"打孔",
      U"打孔", U"펀치"},
     U"L10N_LBL_PUNCH"},
    // 46
    {{U"Punch", U"パンチ", U"Perforation", U"Perforazione", U"Lochen", U"Perforación", U"打孔",
      U"打孔", U"펀치"},
     U"L10N_TRAYSPPS_LIST_PPSTRAYS_PPSPUNCH"},
    // 47
    {{U"2-Hole", U"2穴", U"2 trous", U"2 fori", U"2-fach", U"2 orificios", U"2 孔", U"2 孔",
      U"2공"},
     U"L10N_OPT_PUNCH_2HOLES"},
    // 48
    {{U"2-Hole", U"2穴", U"2 trous", U"2 fori", U"2-fach", U"2 orificios", U"2 孔", U"2 孔",
      U"2공"},
     U"L10N_OPT_PPSPUNCH_2HOLES"},
    // 49
    {{U"3-Hole", U"3穴", U"3 trous", U"3 fori", U"3-fach", U"3 orificios", U"3 孔", U"3 孔",
      U"3공"},
     U"L10N_OPT_PUNCH_3HOLES"},
    // 50
    {{U"3-Hole", U"3穴", U"3 trous", U"3 fori", U"3-fach", U"3 orificios", U"3 孔", U"3 孔",
      U"3공"},
     U"L10N_OPT_PPSPUNCH_3HOLES"},
    // 51
    {{U"4-Hole", U"4穴", U"4 trous", U"4 fori", U"4-fach", U"4 orificios", U"4 孔", U"4 孔",
      U"4공"},
     U"L10N_OPT_PUNCH_4HOLES"},
    // 52
    {{U"4-Hole", U"4穴", U"4 trous", U"4 fori", U"4-fach", U"4 orificios", U"4 孔", U"4 孔",
      U"4공"},
     U"L10N_OPT_PPSPUNCH_4HOLES"},
    // 53
    {{U"Multi Punch", U"マルチパンチ", U"Perforation multiple", U"Perforazione multipla",
      U"Mehrfachlochung", U"Perforación múltiple", U"多孔打孔", U"多孔打孔", U"멀티 펀치"},
     U"L10N_OPT_PUNCH_GBCSTREAMPUNCH"},
    // 54
    {{U"Multi Punch", U"マルチパンチ", U"Perforation multiple", U"Perforazione multipla",
      U"Mehrfachlochung", U"Perforación múltiple", U"多孔打孔", U"多孔打孔", U"멀티 펀치"},
     U"L10N_OPT_PPSPUNCH_GBCSTREAMPUNCH"},
    // 55
    {{U"Fold", U"折り", U"Pliage", U"Piegatura", U"Falzen", U"Plegado", U"摺疊", U"折叠", U"접기"},
     U"L10N_LBL_FOLD"},
    // 56
    {{U"Fold", U"折り", U"Pliage", U"Piegatura", U"Falzen", U"Plegado", U"摺疊", U"折叠", U"접기"},
     U"L10N_MAIN_BTN_FOLD"},
    // 57
    {{U"Fold", U"折り", U"Pliage", U"Piegatura", U"Falzen", U"Plegado", U"摺疊", U"折叠", U"접기"},
     U"L10N_FOLD_GRP_FOLD"},
    // 58
    {{U"Half-Fold", U"二つ折り", U"Pliage en deux", U"Piegatura a metà", U"Mittenfalz",
      U"Plegado por la mitad", U"對摺", U"对折", U"반 접기"},
     U"L10N_OPT_FOLD_CENTERFOLD"},
    // 59
    {{U"Tri-Fold", U"三つ折り", U"Pliage en trois", U"Piegatura a tre", U"Wickelfalz",
      U"Plegado en tres", U"三摺", U"三折", U"3단 접기"},
     U"L10N_OPT_FOLD_LETTERFOLD"},
    // 60
    {{U"Z-Fold", U"Z折り", U"Pliage en Z", U"Piegatura a Z", U"Z-Falz", U"Plegado en Z", U"Z 摺",
      U"Z 折", U"Z 접기"},
     U"L10N_OPT_FOLD_ZIGZAG"},
    // 61
    {{U"Double Parallel Fold", U"ダブルパラレル折り", U"Double pliage parallèle",
      U"Piegatura doppia parallela", U"Doppelparallelfalz", U"Plegado paralelo doble", U"雙平行摺",
      U"双平行折", U"이중 평행 접기"},
     U"L10N_OPT_FOLD_DOUBLEPARALLEL"},
    // 62
    {{U"Gate Fold", U"観音折り", U"Pliage fenêtre", U"Piegatura a finestra", U"Fensterfalz",
      U"Plegado en ventana", U"關門摺", U"关门折", U"대문 접기"},
     U"L10N_OPT_FOLD_GATEFOLD"},
    // 63
    {{U"Multi Tri-Fold", U"複数枚三つ折り", U"Pliage en trois multiple",
      U"Piegatura a tre multipla", U"Mehrfach-Wickelfalz", U"Plegado en tres múltiple", U"多張三摺",
      U"多张三折", U"여러 장 3단 접기"},
     U"L10N_OPT_FOLD_MULTILETTERFOLD"},
    // 64
    {{U"Multi Half-Fold", U"複数枚二つ折り", U"Pliage en deux multiple",
      U"Piegatura a metà multipla", U"Mehrfach-Mittenfalz", U"Plegado por la mitad múltiple",
      U"多張對摺", U"多张对折", U"여러 장 반 접기"},
     U"L10N_OPT_FOLD_MULTICENTERFOLD"},
    // 65
    {{U"Fold and Staple", U"中綴じ製本", U"Pliage et agrafage", U"Piegatura e pinzatura",
      U"Falzen und Heften", U"Plegar y grapar", U"摺疊與裝訂", U"折叠和装订", U"접기 및 스테이플"},
     U"L10N_LBL_STITCH"},
    // 66
    {{U"2 Positions", U"2か所", U"2 positions", U"2 posizioni", U"2 Positionen", U"2 posiciones",
      U"2 處", U"2 处", U"2곳"},
     U"L10N_OPT_STITCH_2POSITIONS"},
    // 67
    {{U"4 Positions", U"4か所", U"4 positions", U"4 posizioni", U"4 Positionen", U"4 posiciones",
      U"4 處", U"4 处", U"4곳"},
     U"L10N_OPT_STITCH_4POSITIONS"},
    // 68
    {{U"Trim", U"断裁", U"Rognage", U"Rifilatura", U"Beschnitt", U"Recorte", U"裁切", U"裁切",
      U"재단"},
     U"L10N_LBL_TRIM"},
    // 69
    {{U"Half-Fold Options", U"二つ折りオプション", U"Options de pliage en deux",
      U"Opzioni piegatura a metà", U"Mittenfalz-Optionen", U"Opciones de plegado por la mitad",
      U"對摺選項", U"对折选项", U"반 접기 옵션"},
     U"L10N_FOLD_GRP_HALFFOLDEXTRA"},
    // 70
    {{U"Spine Corner Forming", U"角背", U"Dos carré", U"Dorso quadro", U"Quadratrücken",
      U"Lomo cuadrado", U"方背", U"方脊", U"각진 책등"},
     U"L10N_LBL_SQUAREFOLD"},
    // 71
    {{U"Spine Corner Forming Strength", U"角背の強さ", U"Intensité du dos carré",
      U"Intensità dorso quadro", U"Stärke des Quadratrückens", U"Intensidad del lomo cuadrado",
      U"方背強度", U"方脊强度", U"각진 책등 강도"},
     U"L10N_LBL_SQUAREFOLDSTRENGTH"},
    // 72
    {{U"Strong+", U"強+", U"Fort+", U"Forte+", U"Stark+", U"Fuerte+", U"強+", U"强+", U"강+"},
     U"L10N_OPT_SQUAREFOLDSTRENGTH_STRONG2"},
    // 73
    {{U"Strong", U"強", U"Fort", U"Forte", U"Stark", U"Fuerte", U"強", U"强", U"강"},
     U"L10N_OPT_SQUAREFOLDSTRENGTH_STRONG"},
    // 74
    {{U"Normal", U"標準", U"Normal", U"Normale", U"Normal", U"Normal", U"標準", U"标准", U"보통"},
     U"L10N_OPT_SQUAREFOLDSTRENGTH_NORMAL"},
    // 75
    {{U"Weak", U"弱", U"Faible", U"Debole", U"Schwach", U"Débil", U"弱", U"弱", U"약"},
     U"L10N_OPT_SQUAREFOLDSTRENGTH_WEAK"},
    // 76
    {{U"Weak+", U"弱+", U"Faible+", U"Debole+", U"Schwach+", U"Débil+", U"弱+", U"弱+", U"약+"},
     U"L10N_OPT_SQUAREFOLDSTRENGTH_WEAK2"},
    // 77
    {{U"2-Side Slitting", U"2辺スリット", U"Refente 2 côtés", U"Taglio longitudinale su 2 lati",
      U"Längsschnitt 2-seitig", U"Corte longitudinal en 2 lados", U"雙邊分切", U"双边分切",
      U"양면 슬리팅"},
     U"L10N_LBL_SLIT"},
    // 78
    {{U"Top Slitting", U"上端スリット", U"Refente en haut", U"Taglio longitudinale superiore",
      U"Längsschnitt oben", U"Corte longitudinal superior", U"上緣分切", U"上边分切",
      U"위쪽 슬리팅"},
     U"L10N_LBL_SLITPOSITIONTOP"},
    // 79
    {{U"Top Slitting", U"上端スリット", U"Refente en haut", U"Taglio longitudinale superiore",
      U"Längsschnitt oben", U"Corte longitudinal superior", U"上緣分切", U"上边分切",
      U"위쪽 슬리팅"},
     U"L10N_LBL_PERFECTBINDSLITPOSITIONTOP"},
    // 80
    {{U"mm [8.0…26.0]", U"mm [8.0…26.0]", U"mm [8.0…26.0]", U"mm [8.0…26.0]", U"mm [8.0…26.0]",
      U"mm [8.0…26.0]", U"mm [8.0…26.0]", U"mm [8.0…26.0]", U"mm [8.0…26.0]"},
     U"L10N_LBL_SLITPOSITIONTOPUNITMM"},
    // 81
    {{U"mm [8.0…26.0]", U"mm [8.0…26.0]", U"mm [8.0…26.0]", U"mm [8.0…26.0]", U"mm [8.0…26.0]",
      U"mm [8.0…26.0]", U"mm [8.0…26.0]", U"mm [8.0…26.0]", U"mm [8.0…26.0]"},
     U"L10N_LBL_SLITPOSITIONBOTTOMUNITMM"},
    // 82
    {{U"mm [8.0…26.0]", U"mm [8.0…26.0]", U"mm [8.0…26.0]", U"mm [8.0…26.0]", U"mm [8.0…26.0]",
      U"mm [8.0…26.0]", U"mm [8.0…26.0]", U"mm [8.0…26.0]", U"mm [8.0…26.0]"},
     U"L10N_LBL_PERFECTBINDSLITPOSITIONTOPUNITMM"},
    // 83
    {{U"mm [8.0…26.0]", U"mm [8.0…26.0]", U"mm [8.0…26.0]", U"mm [8.0…26.0]", U"mm [8.0…26.0]",
      U"mm [8.0…26.0]", U"mm [8.0…26.0]", U"mm [8.0…26.0]", U"mm [8.0…26.0]"},
     U"L10N_LBL_PERFECTBINDSLITPOSITIONBOTTOMUNITMM"},
    // 84
    {{U"inch [0.31…1.02]", U"インチ [0.31…1.02]", U"pouces [0.31…1.02]", U"pollici [0.31…1.02]",
      U"Zoll [0.31…1.02]", U"pulgadas [0.31…1.02]", U"英吋 [0.31…1.02]", U"英寸 [0.31…1.02]",
      U"인치 [0.31…1.02]"},
     U"L10N_LBL_SLITPOSITIONTOPUNITINCH"},
    // 85
    {{U"inch [0.31…1.02]", U"インチ [0.31…1.02]", U"pouces [0.31…1.02]", U"pollici [0.31…1.02]",
      U"Zoll [0.31…1.02]", U"pulgadas [0.31…1.02]", U"英吋 [0.31…1.02]", U"英寸 [0.31…1.02]",
      U"인치 [0.31…1.02]"},
     U"L10N_LBL_SLITPOSITIONBOTTOMUNITINCH"},
    // 86
    {{U"inch [0.31…1.02]", U"インチ [0.31…1.02]", U"pouces [0.31…1.02]", U"pollici [0.31…1.02]",
      U"Zoll [0.31…1.02]", U"pulgadas [0.31…1.02]", U"英吋 [0.31…1.02]", U"英寸 [0.31…1.02]",
      U"인치 [0.31…1.02]"},
     U"L10N_LBL_PERFECTBINDSLITPOSITIONTOPUNITINCH"},
    // 87
    {{U"inch [0.31…1.02]", U"インチ [0.31…1.02]", U"pouces [0.31…1.02]", U"pollici [0.31…1.02]",
      U"Zoll [0.31…1.02]", U"pulgadas [0.31…1.02]", U"英吋 [0.31…1.02]", U"英寸 [0.31…1.02]",
      U"인치 [0.31…1.02]"},
     U"L10N_LBL_PERFECTBINDSLITPOSITIONBOTTOMUNITINCH"},
    // 88
    {{U"Bottom Slitting", U"下端スリット", U"Refente en bas", U"Taglio longitudinale inferiore",
      U"Längsschnitt unten", U"Corte longitudinal inferior", U"下緣分切", U"下边分切",
      U"아래쪽 슬리팅"},
     U"L10N_LBL_SLITPOSITIONBOTTOM"},
    // 89
    {{U"Bottom Slitting", U"下端スリット", U"Refente en bas", U"Taglio longitudinale inferiore",
      U"Längsschnitt unten", U"Corte longitudinal inferior", U"下緣分切", U"下边分切",
      U"아래쪽 슬리팅"},
     U"L10N_LBL_PERFECTBINDSLITPOSITIONBOTTOM"},
    // 90
    {{U"Offset against Cover", U"表紙とのずれ", U"Décalage par rapport à la couverture",
      U"Scostamento dalla copertina", U"Versatz zum Deckblatt",
      U"Desplazamiento respecto a la portada", U"與封面的偏移", U"与封面的偏移",
      U"표지 대비 오프셋"},
     U"L10N_LBL_SLITMARGIN"},
    // 91
    {{U"mm [-1.0…1.0]", U"mm [-1.0…1.0]", U"mm [-1.0…1.0]", U"mm [-1.0…1.0]", U"mm [-1.0…1.0]",
      U"mm [-1.0…1.0]", U"mm [-1.0…1.0]", U"mm [-1.0…1.0]", U"mm [-1.0…1.0]"},
     U"L10N_LBL_SLITMARGINUNITMM"},
    // 92
    {{U"inch [-0.04…0.04]", U"インチ [-0.04…0.04]", U"pouces [-0.04…0.04]", U"pollici [-0.04…0.04]",
      U"Zoll [-0.04…0.04]", U"pulgadas [-0.04…0.04]", U"英吋 [-0.04…0.04]", U"英寸 [-0.04…0.04]",
      U"인치 [-0.04…0.04]"},
     U"L10N_LBL_SLITMARGINUNITINCH"},
    // 93
    {{U"Crease Side", U"筋入れ面", U"Face de rainage", U"Lato di cordonatura", U"Rillseite",
      U"Cara de hendido", U"壓痕面", U"压痕面", U"크리스 면"},
     U"L10N_LBL_CREASESIDE"},
    // 94
    {{U"Front", U"表面", U"Recto", U"Fronte", U"Vorderseite", U"Anverso", U"正面", U"正面",
      U"앞면"},
     U"L10N_OPT_CREASESIDE_FRONT"},
    // 95
    {{U"Front", U"表面", U"Recto", U"Fronte", U"Vorderseite", U"Anverso", U"正面", U"正面",
      U"앞면"},
     U"L10N_LBL_GUTTERFRONT"},
    // 96
    {{U"Front", U"表面", U"Recto", U"Fronte", U"Vorderseite", U"Anverso", U"正面", U"正面",
      U"앞면"},
     U"L10N_LBL_CREEPFRONT"},
    // 97
    {{U"Back", U"裏面", U"Verso", U"Retro", U"Rückseite", U"Reverso", U"背面", U"背面", U"뒷면"},
     U"L10N_OPT_CREASESIDE_BACK"},
    // 98
    {{U"Back", U"裏面", U"Verso", U"Retro", U"Rückseite", U"Reverso", U"背面", U"背面", U"뒷면"},
     U"L10N_LBL_GUTTERBACK"},
    // 99
    {{U"Back", U"裏面", U"Verso", U"Retro", U"Rückseite", U"Reverso", U"背面", U"背面", U"뒷면"},
     U"L10N_LBL_CREEPBACK"},
    // 100
    {{U"Crease Position", U"筋入れ位置", U"Position de rainage", U"Posizione di cordonatura",
      U"Rillposition", U"Posición de hendido", U"壓痕位置", U"压痕位置", U"크리스 위치"},
     U"L10N_FOLD_GRP_CREASEPOSITION"},
    // 101
    {{U"(1)", U"(1)", U"(1)", U"(1)", U"(1)", U"(1)", U"(1)", U"(1)", U"(1)"},
     U"L10N_LBL_CREASEPOSITION1VALUE"},
    // 102
    {{U"(2)", U"(2)", U"(2)", U"(2)", U"(2)", U"(2)", U"(2)", U"(2)", U"(2)"},
     U"L10N_LBL_CREASEPOSITION2VALUE"},
    // 103
    {{U"(3)", U"(3)", U"(3)", U"(3)", U"(3)", U"(3)", U"(3)", U"(3)", U"(3)"},
     U"L10N_LBL_CREASEPOSITION3VALUE"},
    // 104
    {{U"(4)", U"(4)", U"(4)", U"(4)", U"(4)", U"(4)", U"(4)", U"(4)", U"(4)"},
     U"L10N_LBL_CREASEPOSITION4VALUE"},
    // 105
    {{U"(1)", U"(1)", U"(1)", U"(1)", U"(1)", U"(1)", U"(1)", U"(1)", U"(1)"},
     U"L10N_CUSTOMIZED_LBL_CREASEPOSITION1VALUE"},
    // 106
    {{U"(2)", U"(2)", U"(2)", U"(2)", U"(2)", U"(2)", U"(2)", U"(2)", U"(2)"},
     U"L10N_CUSTOMIZED_LBL_CREASEPOSITION2VALUE"},
    // 107
    {{U"(3)", U"(3)", U"(3)", U"(3)", U"(3)", U"(3)", U"(3)", U"(3)", U"(3)"},
     U"L10N_CUSTOMIZED_LBL_CREASEPOSITION3VALUE"},
    // 108
    {{U"(4)", U"(4)", U"(4)", U"(4)", U"(4)", U"(4)", U"(4)", U"(4)", U"(4)"},
     U"L10N_CUSTOMIZED_LBL_CREASEPOSITION4VALUE"},
    // 109
    {{U"mm [7.0…290.0]", U"mm [7.0…290.0]", U"mm [7.0…290.0]", U"mm [7.0…290.0]", U"mm [7.0…290.0]",
      U"mm [7.0…290.0]", U"mm [7.0…290.0]", U"mm [7.0…290.0]", U"mm [7.0…290.0]"},
     U"L10N_LBL_CREASEPOSITION1UNITMM"},
    // 110
    {{U"mm [8.0…290.0]", U"mm [8.0…290.0]", U"mm [8.0…290.0]", U"mm [8.0…290.0]", U"mm [8.0…290.0]",
      U"mm [8.0…290.0]", U"mm [8.0…290.0]", U"mm [8.0…290.0]", U"mm [8.0…290.0]"},
     U"L10N_LBL_CREASEPOSITION2UNITMM"},
    // 111
    {{U"mm [9.0…290.0]", U"mm [9.0…290.0]", U"mm [9.0…290.0]", U"mm [9.0…290.0]", U"mm [9.0…290.0]",
      U"mm [9.0…290.0]", U"mm [9.0…290.0]", U"mm [9.0…290.0]", U"mm [9.0…290.0]"},
     U"L10N_LBL_CREASEPOSITION3UNITMM"},
    // 112
    {{U"mm [10.0…290.0]", U"mm [10.0…290.0]", U"mm [10.0…290.0]", U"mm [10.0…290.0]",
      U"mm [10.0…290.0]", U"mm [10.0…290.0]", U"mm [10.0…290.0]", U"mm [10.0…290.0]",
      U"mm [10.0…290.0]"},
     U"L10N_LBL_CREASEPOSITION4UNITMM"},
    // 113
    {{U"inch [0.28…11.41]", U"インチ [0.28…11.41]", U"pouces [0.28…11.41]", U"pollici [0.28…11.41]",
      U"Zoll [0.28…11.41]", U"pulgadas [0.28…11.41]", U"英吋 [0.28…11.41]", U"英寸 [0.28…11.41]",
      U"인치 [0.28…11.41]"},
     U"L10N_LBL_CREASEPOSITION1UNITINCH"},
    // 114
    {{U"inch [0.32…11.41]", U"インチ [0.32…11.41]", U"pouces [0.32…11.41]", U"pollici [0.32…11.41]",
      U"Zoll [0.32…11.41]", U"pulgadas [0.32…11.41]", U"英吋 [0.32…11.41]", U"英寸 [0.32…11.41]",
      U"인치 [0.32…11.41]"},
     U"L10N_LBL_CREASEPOSITION2UNITINCH"},
    // 115
    {{U"inch [0.36…11.41]", U"インチ [0.36…11.41]", U"pouces [0.36…11.41]", U"pollici [0.36…11.41]",
      U"Zoll [0.36…11.41]", U"pulgadas [0.36…11.41]", U"英吋 [0.36…11.41]", U"英寸 [0.36…11.41]",
      U"인치 [0.36…11.41]"},
     U"L10N_LBL_CREASEPOSITION3UNITINCH"},
    // 116
    {{U"inch [0.40…11.41]", U"インチ [0.40…11.41]", U"pouces [0.40…11.41]", U"pollici [0.40…11.41]",
      U"Zoll [0.40…11.41]", U"pulgadas [0.40…11.41]", U"英吋 [0.40…11.41]", U"英寸 [0.40…11.41]",
      U"인치 [0.40…11.41]"},
     U"L10N_LBL_CREASEPOSITION4UNITINCH"},
    // 117
    {{U"Full Bleed", U"全面印刷", U"Impression à fond perdu", U"Stampa al vivo", U"Randlos",
      U"Sangrado completo", U"滿版出血", U"满版出血", U"전면 인쇄"},
     U"L10N_LBL_FULLBLEED"},
    // 118
    {{U"Original Size", U"原稿サイズ", U"Format de l’original", U"Formato originale",
      U"Originalformat", U"Tamaño del original", U"原稿尺寸", U"原稿尺寸", U"원본 크기"},
     U"L10N_LBL_PAGESIZE"},
    // 119
    {{U"Paper Size", U"用紙サイズ", U"Format du papier", U"Formato carta", U"Papierformat",
      U"Tamaño del papel", U"紙張尺寸", U"纸张尺寸", U"용지 크기"},
     U"L10N_LBL_TARGETPAPERSIZE"},
    // 120
    {{U"Paper Size", U"用紙サイズ", U"Format du papier", U"Formato carta", U"Papierformat",
      U"Tamaño del papel", U"紙張尺寸", U"纸张尺寸", U"용지 크기"},
     U"L10N_LBL_TAB1PAGESIZE"},
    // 121
    {{U"Paper Size", U"用紙サイズ", U"Format du papier", U"Formato carta", U"Papierformat",
      U"Tamaño del papel", U"紙張尺寸", U"纸张尺寸", U"용지 크기"},
     U"L10N_LBL_TAB2PAGESIZE"},
    // 122
    {{U"Paper Size", U"用紙サイズ", U"Format du papier", U"Formato carta", U"Papierformat",
      U"Tamaño del papel", U"紙張尺寸", U"纸张尺寸", U"용지 크기"},
     U"L10N_PAPER_LIST_TRAYSETTINGS_PAPERSIZE"},
    // 123
    {{U"A3", U"A3", U"A3", U"A3", U"A3", U"A3", U"A3", U"A3", U"A3"},
     U"L10N_OPT_TARGETPAPERSIZE_A3"},
    // 124
    {{U"A3", U"A3", U"A3", U"A3", U"A3", U"A3", U"A3", U"A3", U"A3"}, U"L10N_OPT_PAGESIZE_A3"},
    // 125
    {{U"A4", U"A4", U"A4", U"A4", U"A4", U"A4", U"A4", U"A4", U"A4"},
     U"L10N_OPT_TARGETPAPERSIZE_A4"},
    // 126
    {{U"A4", U"A4", U"A4", U"A4", U"A4", U"A4", U"A4", U"A4", U"A4"}, U"L10N_OPT_PAGESIZE_A4"},
    // 127
    {{U"A5", U"A5", U"A5", U"A5", U"A5", U"A5", U"A5", U"A5", U"A5"},
     U"L10N_OPT_TARGETPAPERSIZE_A5"},
    // 128
    {{U"A5", U"A5", U"A5", U"A5", U"A5", U"A5", U"A5", U"A5", U"A5"}, U"L10N_OPT_PAGESIZE_A5"},
    // 129
    {{U"JIS-B4", U"JIS-B4", U"JIS-B4", U"JIS-B4", U"JIS-B4", U"JIS-B4", U"JIS-B4", U"JIS-B4",
      U"JIS-B4"},
     U"L10N_OPT_TARGETPAPERSIZE_B4"},
    // 130
    {{U"JIS-B4", U"JIS-B4", U"JIS-B4", U"JIS-B4", U"JIS-B4", U"JIS-B4", U"JIS-B4", U"JIS-B4",
      U"JIS-B4"},
     U"L10N_OPT_PAGESIZE_B4"},
    // 131
    {{U"JIS-B5", U"JIS-B5", U"JIS-B5", U"JIS-B5", U"JIS-B5", U"JIS-B5", U"JIS-B5", U"JIS-B5",
      U"JIS-B5"},
     U"L10N_OPT_TARGETPAPERSIZE_B5"},
    // 132
    {{U"JIS-B5", U"JIS-B5", U"JIS-B5", U"JIS-B5", U"JIS-B5", U"JIS-B5", U"JIS-B5", U"JIS-B5",
      U"JIS-B5"},
     U"L10N_OPT_PAGESIZE_B5"},
    // 133
    {{U"ISO-B4", U"ISO-B4", U"ISO-B4", U"ISO-B4", U"ISO-B4", U"ISO-B4", U"ISO-B4", U"ISO-B4",
      U"ISO-B4"},
     U"L10N_OPT_TARGETPAPERSIZE_ISOB4"},
    // 134
    {{U"ISO-B4", U"ISO-B4", U"ISO-B4", U"ISO-B4", U"ISO-B4", U"ISO-B4", U"ISO-B4", U"ISO-B4",
      U"ISO-B4"},
     U"L10N_OPT_PAGESIZE_ISOB4"},
    // 135
    {{U"ISO-B5", U"ISO-B5", U"ISO-B5", U"ISO-B5", U"ISO-B5", U"ISO-B5", U"ISO-B5", U"ISO-B5",
      U"ISO-B5"},
     U"L10N_OPT_TARGETPAPERSIZE_ISOB5"},
    // 136
    {{U"ISO-B5", U"ISO-B5", U"ISO-B5", U"ISO-B5", U"ISO-B5", U"ISO-B5", U"ISO-B5", U"ISO-B5",
      U"ISO-B5"},
     U"L10N_OPT_PAGESIZE_ISOB5"},
    // 137
    {{U"SRA3", U"SRA3", U"SRA3", U"SRA3", U"SRA3", U"SRA3", U"SRA3", U"SRA3", U"SRA3"},
     U"L10N_OPT_TARGETPAPERSIZE_SRA3"},
    // 138
    {{U"SRA3", U"SRA3", U"SRA3", U"SRA3", U"SRA3", U"SRA3", U"SRA3", U"SRA3", U"SRA3"},
     U"L10N_OPT_PAGESIZE_SRA3"},
    // 139
    {{U"SRA4", U"SRA4", U"SRA4", U"SRA4", U"SRA4", U"SRA4", U"SRA4", U"SRA4", U"SRA4"},
     U"L10N_OPT_TARGETPAPERSIZE_SRA4"},
    // 140
    {{U"SRA4", U"SRA4", U"SRA4", U"SRA4", U"SRA4", U"SRA4", U"SRA4", U"SRA4", U"SRA4"},
     U"L10N_OPT_PAGESIZE_SRA4"},
    // 141
    {{U"Tabloid Extra", U"タブロイドエクストラ", U"Tabloïd Extra", U"Tabloid extra",
      U"US-Tabloid Extra", U"Tabloide extra", U"特大小報", U"特大小报", U"타블로이드 엑스트라"},
     U"L10N_OPT_TARGETPAPERSIZE_TABLOIDEXTRA"},
    // 142
    {{U"Tabloid Extra", U"タブロイドエクストラ", U"Tabloïd Extra", U"Tabloid extra",
      U"US-Tabloid Extra", U"Tabloide extra", U"特大小報", U"特大小报", U"타블로이드 엑스트라"},
     U"L10N_OPT_PAGESIZE_TABLOIDEXTRA"},
    // 143
    {{U"Tabloid", U"タブロイド", U"Tabloïd", U"Tabloide", U"US-Tabloid", U"Tabloide", U"小報",
      U"小报", U"타블로이드"},
     U"L10N_OPT_TARGETPAPERSIZE_TABLOID"},
    // 144
    {{U"Tabloid", U"タブロイド", U"Tabloïd", U"Tabloide", U"US-Tabloid", U"Tabloide", U"小報",
      U"小报", U"타블로이드"},
     U"L10N_OPT_PAGESIZE_TABLOID"},
    // 145
    {{U"9x11", U"9x11", U"9x11", U"9x11", U"9x11", U"9x11", U"9x11", U"9x11", U"9x11"},
     U"L10N_OPT_TARGETPAPERSIZE_9X11"},
    // 146
    {{U"9x11", U"9x11", U"9x11", U"9x11", U"9x11", U"9x11", U"9x11", U"9x11", U"9x11"},
     U"L10N_OPT_PAGESIZE_9X11"},
    // 147
    {{U"Legal", U"リーガル", U"Légal US", U"Legale USA", U"US-Legal", U"Oficio", U"法定用紙",
      U"法律专用纸", U"리갈"},
     U"L10N_OPT_TARGETPAPERSIZE_LEGAL"},
    // 148
    {{U"Legal", U"リーガル", U"Légal US", U"Legale USA", U"US-Legal", U"Oficio", U"法定用紙",
      U"法律专用纸", U"리갈"},
     U"L10N_OPT_PAGESIZE_LEGAL"},
    // 149
    {{U"8x13", U"8x13", U"8x13", U"8x13", U"8x13", U"8x13", U"8x13", U"8x13", U"8x13"},
     U"L10N_OPT_TARGETPAPERSIZE_8X13"},
    // 150
    {{U"8x13", U"8x13", U"8x13", U"8x13", U"8x13", U"8x13", U"8x13", U"8x13", U"8x13"},
     U"L10N_OPT_PAGESIZE_8X13"},
    // 151
    {{U"Folio", U"フォリオ", U"Folio", U"Folio", U"Folio", U"Folio", U"對開紙", U"对开纸",
      U"폴리오"},
     U"L10N_OPT_TARGETPAPERSIZE_FANFOLDGERMANLEGAL"},
    // 152
    {{U"Folio", U"フォリオ", U"Folio", U"Folio", U"Folio", U"Folio", U"對開紙", U"对开纸",
      U"폴리오"},
     U"L10N_OPT_PAGESIZE_FANFOLDGERMANLEGAL"},
    // 153
    {{U"8 1/4x13", U"8 1/4x13", U"8 1/4x13", U"8 1/4x13", U"8 1/4x13", U"8 1/4x13", U"8 1/4x13",
      U"8 1/4x13", U"8 1/4x13"},
     U"L10N_OPT_TARGETPAPERSIZE_825X13"},
    // 154
    {{U"8 1/4x13", U"8 1/4x13", U"8 1/4x13", U"8 1/4x13", U"8 1/4x13", U"8 1/4x13", U"8 1/4x13",
      U"8 1/4x13", U"8 1/4x13"},
     U"L10N_OPT_PAGESIZE_825X13"},
    // 155
    {{U"8 1/8x13 1/4", U"8 1/8x13 1/4", U"8 1/8x13 1/4", U"8 1/8x13 1/4", U"8 1/8x13 1/4",
      U"8 1/8x13 1/4", U"8 1/8x13 1/4", U"8 1/8x13 1/4", U"8 1/8x13 1/4"},
     U"L10N_OPT_TARGETPAPERSIZE_8125X1325"},
    // 156
    {{U"8 1/8x13 1/4", U"8 1/8x13 1/4", U"8 1/8x13 1/4", U"8 1/8x13 1/4", U"8 1/8x13 1/4",
      U"8 1/8x13 1/4", U"8 1/8x13 1/4", U"8 1/8x13 1/4", U"8 1/8x13 1/4"},
     U"L10N_OPT_PAGESIZE_8125X1325"},
    // 157
    {{U"Letter", U"レター", U"Lettre US", U"Lettera USA", U"US-Letter", U"Carta", U"信紙", U"信纸",
      U"레터"},
     U"L10N_OPT_TARGETPAPERSIZE_LETTER"},
    // 158
    {{U"Letter", U"レター", U"Lettre US", U"Lettera USA", U"US-Letter", U"Carta", U"信紙", U"信纸",
      U"레터"},
     U"L10N_OPT_PAGESIZE_LETTER"},
    // 159
    {{U"Statement", U"ステートメント", U"Relevé US", U"Statement USA", U"US-Statement",
      U"Media carta", U"報表紙", U"报表纸", U"스테이트먼트"},
     U"L10N_OPT_TARGETPAPERSIZE_STATEMENT"},
    // 160
    {{U"Statement", U"ステートメント", U"Relevé US", U"Statement USA", U"US-Statement",
      U"Media carta", U"報表紙", U"报表纸", U"스테이트먼트"},
     U"L10N_OPT_PAGESIZE_STATEMENT"},
    // 161
    {{U"Postcard", U"はがき", U"Carte postale", U"Cartolina", U"Postkarte", U"Tarjeta postal",
      U"明信片", U"明信片", U"엽서"},
     U"L10N_OPT_TARGETPAPERSIZE_POSTCARD"},
    // 162
    {{U"Postcard", U"はがき", U"Carte postale", U"Cartolina", U"Postkarte", U"Tarjeta postal",
      U"明信片", U"明信片", U"엽서"},
     U"L10N_OPT_PAGESIZE_POSTCARD"},
    // 163
    {{U"A3 Wide", U"A3ワイド", U"A3 large", U"A3 largo", U"A3 Überformat", U"A3 ancho", U"A3 加寬",
      U"A3 加宽", U"A3 와이드"},
     U"L10N_OPT_TARGETPAPERSIZE_QXA3W"},
    // 164
    {{U"A3 Wide", U"A3ワイド", U"A3 large", U"A3 largo", U"A3 Überformat", U"A3 ancho", U"A3 加寬",
      U"A3 加宽", U"A3 와이드"},
     U"L10N_OPT_PAGESIZE_QXA3W"},
    // 165
    {{U"A4 Wide", U"A4ワイド", U"A4 large", U"A4 largo", U"A4 Überformat", U"A4 ancho", U"A4 加寬",
      U"A4 加宽", U"A4 와이드"},
     U"L10N_OPT_TARGETPAPERSIZE_QXA4W"},
    // 166
    {{U"A4 Wide", U"A4ワイド", U"A4 large", U"A4 largo", U"A4 Überformat", U"A4 ancho", U"A4 加寬",
      U"A4 加宽", U"A4 와이드"},
     U"L10N_OPT_PAGESIZE_QXA4W"},
    // 167
    {{U"A5 Wide", U"A5ワイド", U"A5 large", U"A5 largo", U"A5 Überformat", U"A5 ancho", U"A5 加寬",
      U"A5 加宽", U"A5 와이드"},
     U"L10N_OPT_TARGETPAPERSIZE_QXA5W"},
    // 168
    {{U"A5 Wide", U"A5ワイド", U"A5 large", U"A5 largo", U"A5 Überformat", U"A5 ancho", U"A5 加寬",
      U"A5 加宽", U"A5 와이드"},
     U"L10N_OPT_PAGESIZE_QXA5W"},
    // 169
    {{U"JIS-B4 Wide", U"JIS-B4ワイド", U"JIS-B4 large", U"JIS-B4 largo", U"JIS-B4 Überformat",
      U"JIS-B4 ancho", U"JIS-B4 加寬", U"JIS-B4 加宽", U"JIS-B4 와이드"},
     U"L10N_OPT_TARGETPAPERSIZE_QXB4W"},
    // 170
    {{U"JIS-B4 Wide", U"JIS-B4ワイド", U"JIS-B4 large", U"JIS-B4 largo", U"JIS-B4 Überformat",
      U"JIS-B4 ancho", U"JIS-B4 加寬", U"JIS-B4 加宽", U"JIS-B4 와이드"},
     U"L10N_OPT_PAGESIZE_QXB4W"},
    // 171
    {{U"JIS-B5 Wide", U"JIS-B5ワイド", U"JIS-B5 large", U"JIS-B5 largo", U"JIS-B5 Überformat",
      U"JIS-B5 ancho", U"JIS-B5 加寬", U"JIS-B5 加宽", U"JIS-B5 와이드"},
     U"L10N_OPT_TARGETPAPERSIZE_QXB5W"},
    // 172
    {{U"JIS-B5 Wide", U"JIS-B5ワイド", U"JIS-B5 large", U"JIS-B5 largo", U"JIS-B5 Überformat",
      U"JIS-B5 ancho", U"JIS-B5 加寬", U"JIS-B5 加宽", U"JIS-B5 와이드"},
     U"L10N_OPT_PAGESIZE_QXB5W"},
    // 173
    {{U"ISO-B4 Wide", U"ISO-B4ワイド", U"ISO-B4 large", U"ISO-B4 largo", U"ISO-B4 Überformat",
      U"ISO-B4 ancho", U"ISO-B4 加寬", U"ISO-B4 加宽", U"ISO-B4 와이드"},
     U"L10N_OPT_TARGETPAPERSIZE_QXISOB4W"},
    // 174
    {{U"ISO-B4 Wide", U"ISO-B4ワイド", U"ISO-B4 large", U"ISO-B4 largo", U"ISO-B4 Überformat",
      U"ISO-B4 ancho", U"ISO-B4 加寬", U"ISO-B4 加宽", U"ISO-B4 와이드"},
     U"L10N_OPT_PAGESIZE_QXISOB4W"},
    // 175
    {{U"ISO-B5 Wide", U"ISO-B5ワイド", U"ISO-B5 large", U"ISO-B5 largo", U"ISO-B5 Überformat",
      U"ISO-B5 ancho", U"ISO-B5 加寬", U"ISO-B5 加宽", U"ISO-B5 와이드"},
     U"L10N_OPT_TARGETPAPERSIZE_QXISOB5W"},
    // 176
    {{U"ISO-B5 Wide", U"ISO-B5ワイド", U"ISO-B5 large", U"ISO-B5 largo", U"ISO-B5 Überformat",
      U"ISO-B5 ancho", U"ISO-B5 加寬", U"ISO-B5 加宽", U"ISO-B5 와이드"},
     U"L10N_OPT_PAGESIZE_QXISOB5W"},
    // 177
    {{U"Tabloid Extra Wide", U"タブロイドエクストラワイド", U"Tabloïd Extra large",
      U"Tabloid extra largo", U"US-Tabloid Extra Überformat", U"Tabloide extra ancho",
      U"特大小報加寬", U"特大小报加宽", U"타블로이드 엑스트라 와이드"},
     U"L10N_OPT_TARGETPAPERSIZE_QXTABLOIDEXTRAW"},
    // 178
    {{U"Tabloid Extra Wide", U"タブロイドエクストラワイド", U"Tabloïd Extra large",
      U"Tabloid extra largo", U"US-Tabloid Extra Überformat", U"Tabloide extra ancho",
      U"特大小報加寬", U"特大小报加宽", U"타블로이드 엑스트라 와이드"},
     U"L10N_OPT_PAGESIZE_QXTABLOIDEXTRAW"},
    // 179
    {{U"Tabloid Wide", U"タブロイドワイド", U"Tabloïd large", U"Tabloide largo",
      U"US-Tabloid Überformat", U"Tabloide ancho", U"小報加寬", U"小报加宽", U"타블로이드 와이드"},
     U"L10N_OPT_TARGETPAPERSIZE_QXTABLOIDW"},
    // 180
    {{U"Tabloid Wide", U"タブロイドワイド", U"Tabloïd large", U"Tabloide largo",
      U"US-Tabloid Überformat", U"Tabloide ancho", U"小報加寬", U"小报加宽", U"타블로이드 와이드"},
     U"L10N_OPT_PAGESIZE_QXTABLOIDW"},
    // 181
    {{U"Letter Wide", U"レターワイド", U"Lettre US large", U"Lettera USA largo",
      U"US-Letter Überformat", U"Carta ancho", U"信紙加寬", U"信纸加宽", U"레터 와이드"},
     U"L10N_OPT_TARGETPAPERSIZE_QXLETTERW"},
    // 182
    {{U"Letter Wide", U"レターワイド", U"Lettre US large", U"Lettera USA largo",
      U"US-Letter Überformat", U"Carta ancho", U"信紙加寬", U"信纸加宽", U"레터 와이드"},
     U"L10N_OPT_PAGESIZE_QXLETTERW"},
    // 183
    {{U"Statement Wide", U"ステートメントワイド", U"Relevé US large", U"Statement USA largo",
      U"US-Statement Überformat", U"Media carta ancho", U"報表紙加寬", U"报表纸加宽",
      U"스테이트먼트 와이드"},
     U"L10N_OPT_TARGETPAPERSIZE_QXSTATEMENTW"},
    // 184
    {{U"Statement Wide", U"ステートメントワイド", U"Relevé US large", U"Statement USA largo",
      U"US-Statement Überformat", U"Media carta ancho", U"報表紙加寬", U"报表纸加宽",
      U"스테이트먼트 와이드"},
     U"L10N_OPT_PAGESIZE_QXSTATEMENTW"},
    // 185
    {{U"A4 Tab", U"A4タブ紙", U"A4 à onglets", U"A4 a linguetta", U"A4-Register", U"A4 con pestaña",
      U"A4 索引紙", U"A4 索引纸", U"A4 탭 용지"},
     U"L10N_OPT_TARGETPAPERSIZE_QXA4TAB1"},
    // 186
    {{U"A4 Tab", U"A4タブ紙", U"A4 à onglets", U"A4 a linguetta", U"A4-Register", U"A4 con pestaña",
      U"A4 索引紙", U"A4 索引纸", U"A4 탭 용지"},
     U"L10N_OPT_PAGESIZE_QXA4TAB1"},
    // 187
    {{U"A4 Tab", U"A4タブ紙", U"A4 à onglets", U"A4 a linguetta", U"A4-Register", U"A4 con pestaña",
      U"A4 索引紙", U"A4 索引纸", U"A4 탭 용지"},
     U"L10N_OPT_TAB1PAGESIZE_QXA4TAB1"},
    // 188
    {{U"A4 Tab", U"A4タブ紙", U"A4 à onglets", U"A4 a linguetta", U"A4-Register", U"A4 con pestaña",
      U"A4 索引紙", U"A4 索引纸", U"A4 탭 용지"},
     U"L10N_OPT_TAB2PAGESIZE_QXA4TAB1"},
    // 189
    {{U"Letter Tab", U"レタータブ紙", U"Lettre US à onglets", U"Lettera USA a linguetta",
      U"US-Letter-Register", U"Carta con pestaña", U"信紙索引紙", U"信纸索引纸", U"레터 탭 용지"},
     U"L10N_OPT_TARGETPAPERSIZE_QXLETTERTAB"},
    // 190
    {{U"Letter Tab", U"レタータブ紙", U"Lettre US à onglets", U"Lettera USA a linguetta",
      U"US-Letter-Register", U"Carta con pestaña", U"信紙索引紙", U"信纸索引纸", U"레터 탭 용지"},
     U"L10N_OPT_PAGESIZE_QXLETTERTAB"},
    // 191
    {{U"Letter Tab", U"レタータブ紙", U"Lettre US à onglets", U"Lettera USA a linguetta",
      U"US-Letter-Register", U"Carta con pestaña", U"信紙索引紙", U"信纸索引纸", U"레터 탭 용지"},
     U"L10N_OPT_TAB1PAGESIZE_QXLETTERTAB"},
    // 192
    {{U"Letter Tab", U"レタータブ紙", U"Lettre US à onglets", U"Lettera USA a linguetta",
      U"US-Letter-Register", U"Carta con pestaña", U"信紙索引紙", U"信纸索引纸", U"레터 탭 용지"},
     U"L10N_OPT_TAB2PAGESIZE_QXLETTERTAB"},
    // 193
    {{U"8K", U"8K", U"8K", U"8K", U"8K", U"8K", U"8K", U"8K", U"8K"},
     U"L10N_OPT_TARGETPAPERSIZE_8K"},
    // 194
    {{U"8K", U"8K", U"8K", U"8K", U"8K", U"8K", U"8K", U"8K", U"8K"}, U"L10N_OPT_PAGESIZE_8K"},
    // 195
    {{U"16K", U"16K", U"16K", U"16K", U"16K", U"16K", U"16K", U"16K", U"16K"},
     U"L10N_OPT_TARGETPAPERSIZE_16K"},
    // 196
    {{U"16K", U"16K", U"16K", U"16K", U"16K", U"16K", U"16K", U"16K", U"16K"},
     U"L10N_OPT_PAGESIZE_16K"},
    // 197
    {{U"Fit to Paper Size", U"用紙サイズに合わせる", U"Ajuster au format du papier",
      U"Adatta al formato carta", U"An Papierformat anpassen", U"Ajustar al tamaño del papel",
      U"配合紙張尺寸", U"适合纸张尺寸", U"용지 크기에 맞춤"},
     U"L10N_LBL_SCALETOFIT"},
    // 198
    {{U"Type", U"種類", U"Type", U"Tipo", U"Typ", U"Tipo", U"類型", U"类型", U"종류"},
     U"L10N_LBL_MEDIATYPE"},
    // 199
    {{U"Paper Type", U"用紙種類", U"Type de papier", U"Tipo di carta", U"Papiertyp",
      U"Tipo de papel", U"紙張類型", U"纸张类型", U"용지 종류"},
     U"L10N_PAPER_LBL_MEDIATYPE"},
    // 200
    {{U"Paper Type", U"用紙種類", U"Type de papier", U"Tipo di carta", U"Papiertyp",
      U"Tipo de papel", U"紙張類型", U"纸张类型", U"용지 종류"},
     U"L10N_TRAYSPPS_LIST_PPSTRAYS_PPSPRINTTYPE"},
    // 201
    {{U"Plain Paper", U"普通紙", U"Papier ordinaire", U"Carta comune", U"Normalpapier",
      U"Papel normal", U"一般紙", U"普通纸", U"일반 용지"},
     U"L10N_OPT_MEDIATYPE_PLAIN"},
    // 202
    {{U"Fine", U"上質紙", U"Papier fin", U"Carta fine", U"Feinpapier", U"Papel fino", U"道林紙",
      U"道林纸", U"모조지"},
     U"L10N_OPT_MEDIATYPE_BOND"},
    // 203
    {{U"Weight", U"坪量", U"Grammage", U"Grammatura", U"Gewicht", U"Gramaje", U"磅數", U"克重",
      U"평량"},
     U"L10N_LBL_MEDIAWEIGHT"},
    // 204
    {{U"Paper Weight", U"坪量", U"Grammage", U"Grammatura", U"Papiergewicht", U"Gramaje",
      U"紙張磅數", U"纸张克重", U"용지 평량"},
     U"L10N_PAPER_LBL_MEDIAWEIGHT"},
    // 205
    {{U"Color", U"色", U"Couleur", U"Colore", U"Farbe", U"Color", U"顏色", U"颜色", U"색상"},
     U"L10N_LBL_MEDIACOLOR"},
    // 206
    {{U"Paper Color", U"用紙色", U"Couleur du papier", U"Colore carta", U"Papierfarbe",
      U"Color del papel", U"紙張顏色", U"纸张颜色", U"용지 색상"},
     U"L10N_PAPER_LBL_MEDIACOLOR"},
    // 207
    {{U"No Setting", U"設定なし", U"Non défini", U"Non impostato", U"Nicht festgelegt",
      U"Sin definir", U"未設定", U"未设置", U"설정 안 함"},
     U"L10N_OPT_MEDIACOLOR_NOSET"},
    // 208
    {{U"No Setting", U"設定なし", U"Non défini", U"Non impostato", U"Nicht festgelegt",
      U"Sin definir", U"未設定", U"未设置", U"설정 안 함"},
     U"L10N_OPT_MEDIATYPE_NOSET"},
    // 209
    {{U"No Setting", U"設定なし", U"Non défini", U"Non impostato", U"Nicht festgelegt",
      U"Sin definir", U"未設定", U"未设置", U"설정 안 함"},
     U"L10N_OPT_MEDIAWEIGHT_NOSET_GM2"},
    // 210
    {{U"No Setting", U"設定なし", U"Non défini", U"Non impostato", U"Nicht festgelegt",
      U"Sin definir", U"未設定", U"未设置", U"설정 안 함"},
     U"L10N_OPT_MEDIAWEIGHT_NOSET_KG1"},
    // 211
    {{U"No Setting", U"設定なし", U"Non défini", U"Non impostato", U"Nicht festgelegt",
      U"Sin definir", U"未設定", U"未设置", U"설정 안 함"},
     U"L10N_OPT_MEDIAWEIGHT_NOSET_KG2"},
    // 212
    {{U"No Setting", U"設定なし", U"Non défini", U"Non impostato", U"Nicht festgelegt",
      U"Sin definir", U"未設定", U"未设置", U"설정 안 함"},
     U"L10N_OPT_MEDIAWEIGHT_NOSET_KG3"},
    // 213
    {{U"No Setting", U"設定なし", U"Non défini", U"Non impostato", U"Nicht festgelegt",
      U"Sin definir", U"未設定", U"未设置", U"설정 안 함"},
     U"L10N_OPT_MEDIAWEIGHT_NOSET_KG4"},
    // 214
    {{U"No Setting", U"設定なし", U"Non défini", U"Non impostato", U"Nicht festgelegt",
      U"Sin definir", U"未設定", U"未设置", U"설정 안 함"},
     U"L10N_OPT_MEDIAWEIGHT_NOSET_LB1"},
    // 215
    {{U"No Setting", U"設定なし", U"Non défini", U"Non impostato", U"Nicht festgelegt",
      U"Sin definir", U"未設定", U"未设置", U"설정 안 함"},
     U"L10N_OPT_MEDIAWEIGHT_NOSET_LB2"},
    // 216
    {{U"No Setting", U"設定なし", U"Non défini", U"Non impostato", U"Nicht festgelegt",
      U"Sin definir", U"未設定", U"未设置", U"설정 안 함"},
     U"L10N_OPT_MEDIAWEIGHT_NOSET_LB3"},
    // 217
    {{U"No Setting", U"設定なし", U"Non défini", U"Non impostato", U"Nicht festgelegt",
      U"Sin definir", U"未設定", U"未设置", U"설정 안 함"},
     U"L10N_OPT_MEDIAWEIGHT_NOSET_LB4"},
    // 218
    {{U"No Setting", U"設定なし", U"Non défini", U"Non impostato", U"Nicht festgelegt",
      U"Sin definir", U"未設定", U"未设置", U"설정 안 함"},
     U"L10N_OPT_MEDIAWEIGHT_NOSET_LB5"},
    // 219
    {{U"No Setting", U"設定なし", U"Non défini", U"Non impostato", U"Nicht festgelegt",
      U"Sin definir", U"未設定", U"未设置", U"설정 안 함"},
     U"L10N_OPT_MEDIAWEIGHT_NOSET_LB6"},
    // 220
    {{U"No Setting", U"設定なし", U"Non défini", U"Non impostato", U"Nicht festgelegt",
      U"Sin definir", U"未設定", U"未设置", U"설정 안 함"},
     U"L10N_OPT_INPUTSLOTPAPERNAME_NONE"},
    // 221
    {{U"No Setting", U"設定なし", U"Non défini", U"Non impostato", U"Nicht festgelegt",
      U"Sin definir", U"未設定", U"未设置", U"설정 안 함"},
     U"L10N_OPT_FRONTCOVERPAPERNAME_NONE"},
    // 222
    {{U"No Setting", U"設定なし", U"Non défini", U"Non impostato", U"Nicht festgelegt",
      U"Sin definir", U"未設定", U"未设置", U"설정 안 함"},
     U"L10N_OPT_BACKCOVERPAPERNAME_NONE"},
    // 223
    {{U"No Setting", U"設定なし", U"Non défini", U"Non impostato", U"Nicht festgelegt",
      U"Sin definir", U"未設定", U"未设置", U"설정 안 함"},
     U"L10N_OPT_PERFECTBINDPAPERNAME_NONE"},
    // 224
    {{U"No Setting", U"設定なし", U"Non défini", U"Non impostato", U"Nicht festgelegt",
      U"Sin definir", U"未設定", U"未设置", U"설정 안 함"},
     U"L10N_OPT_PPSPAPERNAME_NONE"},
    // 225
    {{U"White", U"白", U"Blanc", U"Bianco", U"Weiß", U"Blanco", U"白色", U"白色", U"흰색"},
     U"L10N_OPT_MEDIACOLOR_WHITE"},
    // 226
    {{U"Transparent", U"透明", U"Transparent", U"Trasparente", U"Transparent", U"Transparente",
      U"透明", U"透明", U"투명"},
     U"L10N_OPT_MEDIACOLOR_CLEAR"},
    // 227
    {{U"Yellow", U"黄", U"Jaune", U"Giallo", U"Gelb", U"Amarillo", U"黃色", U"黄色", U"노란색"},
     U"L10N_OPT_MEDIACOLOR_YELLOW"},
    // 228
    {{U"Pink", U"ピンク", U"Rose", U"Rosa", U"Rosa", U"Rosa", U"粉紅色", U"粉红色", U"분홍색"},
     U"L10N_OPT_MEDIACOLOR_PINK"},
    // 229
    {{U"Blue", U"青", U"Bleu", U"Blu", U"Blau", U"Azul", U"藍色", U"蓝色", U"파란색"},
     U"L10N_OPT_MEDIACOLOR_BLUE"},
    // 230
    {{U"Green", U"緑", U"Vert", U"Verde", U"Grün", U"Verde", U"綠色", U"绿色", U"녹색"},
     U"L10N_OPT_MEDIACOLOR_GREEN"},
    // 231
    {{U"Pre-Punched", U"パンチ済み", U"Préperforé", U"Preforato", U"Vorgelocht", U"Preperforado",
      U"預打孔", U"预打孔", U"미리 펀치된 용지"},
     U"L10N_LBL_MEDIAPREPUNCHED"},
    // 232
    {{U"Pre-Punched", U"パンチ済み", U"Préperforé", U"Preforato", U"Vorgelocht", U"Preperforado",
      U"預打孔", U"预打孔", U"미리 펀치된 용지"},
     U"L10N_PAPER_LBL_MEDIAPREPUNCHED"},
    // 233
    {{U"Off", U"オフ", U"Désactivé", U"Disattivato", U"Aus", U"Desactivado", U"關閉", U"关闭",
      U"끄기"},
     U"L10N_OPT_BACKCOVERTRAY_NONE"},
    // 234
    {{U"Off", U"オフ", U"Désactivé", U"Disattivato", U"Aus", U"Desactivado", U"關閉", U"关闭",
      U"끄기"},
     U"L10N_OPT_DATESTAMP_OFF"},
    // 235
    {{U"Off", U"オフ", U"Désactivé", U"Disattivato", U"Aus", U"Desactivado", U"關閉", U"关闭",
      U"끄기"},
     U"L10N_OPT_FOLD_NONE"},
    // 236
    {{U"Off", U"オフ", U"Désactivé", U"Disattivato", U"Aus", U"Desactivado", U"關閉", U"关闭",
      U"끄기"},
     U"L10N_OPT_FRONTCOVERTRAY_NONE"},
    // 237
    {{U"Off", U"オフ", U"Désactivé", U"Disattivato", U"Aus", U"Desactivado", U"關閉", U"关闭",
      U"끄기"},
     U"L10N_OPT_LAYOUT_NONE"},
    // 238
    {{U"Off", U"オフ", U"Désactivé", U"Disattivato", U"Aus", U"Desactivado", U"關閉", U"关闭",
      U"끄기"},
     U"L10N_OPT_PUNCH_NONE"},
    // 239
    {{U"Off", U"オフ", U"Désactivé", U"Disattivato", U"Aus", U"Desactivado", U"關閉", U"关闭",
      U"끄기"},
     U"L10N_OPT_SMOOTHING_NONE"},
    // 240
    {{U"Off", U"オフ", U"Désactivé", U"Disattivato", U"Aus", U"Desactivado", U"關閉", U"关闭",
      U"끄기"},
     U"L10N_OPT_STAPLE_NONE"},
    // 241
    {{U"Off", U"オフ", U"Désactivé", U"Disattivato", U"Aus", U"Desactivado", U"關閉", U"关闭",
      U"끄기"},
     U"L10N_OPT_HEADERPAGE_OFF"},
    // 242
    {{U"Off", U"オフ", U"Désactivé", U"Disattivato", U"Aus", U"Desactivado", U"關閉", U"关闭",
      U"끄기"},
     U"L10N_OPT_PERFECTBINDMODE_NONE"},
    // 243
    {{U"Off", U"オフ", U"Désactivé", U"Disattivato", U"Aus", U"Desactivado", U"關閉", U"关闭",
      U"끄기"},
     U"L10N_OPT_PIFRONTCOVERTRAY_NONE"},
    // 244
    {{U"Off", U"オフ", U"Désactivé", U"Disattivato", U"Aus", U"Desactivado", U"關閉", U"关闭",
      U"끄기"},
     U"L10N_OPT_PIBACKCOVERTRAY_NONE"},
    // 245
    {{U"Off", U"オフ", U"Désactivé", U"Disattivato", U"Aus", U"Desactivado", U"關閉", U"关闭",
      U"끄기"},
     U"L10N_OPT_IMAGESHIFTTYPE_OFF"},
    // 246
    {{U"Off", U"オフ", U"Désactivé", U"Disattivato", U"Aus", U"Desactivado", U"關閉", U"关闭",
      U"끄기"},
     U"L10N_OPT_TPPSINSERT_OFF"},
    // 247
    {{U"Off", U"オフ", U"Désactivé", U"Disattivato", U"Aus", U"Desactivado", U"關閉", U"关闭",
      U"끄기"},
     U"L10N_OPT_PAGENUMBERINGMODE_OFF"},
    // 248
    {{U"Off", U"オフ", U"Désactivé", U"Disattivato", U"Aus", U"Desactivado", U"關閉", U"关闭",
      U"끄기"},
     U"L10N_OPT_SETNUMBERINGMODE_OFF"},
    // 249
    {{U"Off", U"オフ", U"Désactivé", U"Disattivato", U"Aus", U"Desactivado", U"關閉", U"关闭",
      U"끄기"},
     U"L10N_OPT_SENDEMAIL_OFF"},
    // 250
    {{U"Off", U"オフ", U"Désactivé", U"Disattivato", U"Aus", U"Desactivado", U"關閉", U"关闭",
      U"끄기"},
     U"L10N_OPT_PPSFINISHSTAPLING_OFF"},
    // 251
    {{U"No", U"なし", U"Non", U"No", U"Nein", U"No", U"否", U"否", U"아니요"},
     U"L10N_PAPER_LIST_PAPERNAMES_PREPUNCHED_NO"},
    // 252
    {{U"Off", U"オフ", U"Désactivé", U"Disattivato", U"Aus", U"Desactivado", U"關閉", U"关闭",
      U"끄기"},
     U"L10N_OPT_TONECURVE_OFF"},
    // 253
    {{U"Off", U"オフ", U"Désactivé", U"Disattivato", U"Aus", U"Desactivado", U"關閉", U"关闭",
      U"끄기"},
     U"L10N_OPT_NUPCOUNT_1"},
    // 254
    {{U"No Form", U"フォームなし", U"Aucun formulaire", U"Nessun modulo", U"Kein Formular",
      U"Sin formulario", U"無表單", U"无表单", U"양식 없음"},
     U"L10N_OPT_JOBFORM_NOFORM"},
    // 255
    {{U"No Form", U"フォームなし", U"Aucun formulaire", U"Nessun modulo", U"Kein Formular",
      U"Sin formulario", U"無表單", U"无表单", U"양식 없음"},
     U"L10N_OPT_PREPEND_NOFORM"},
    // 256
    {{U"No Form", U"フォームなし", U"Aucun formulaire", U"Nessun modulo", U"Kein Formular",
      U"Sin formulario", U"無表單", U"无表单", U"양식 없음"},
     U"L10N_OPT_APPEND_NOFORM"},
    // 257
    {{U"Off", U"オフ", U"Désactivé", U"Disattivato", U"Aus", U"Desactivado", U"關閉", U"关闭",
      U"끄기"},
     U"L10N_OPT_PPSPUNCH_NONE"},
    // 258
    {{U"Off", U"オフ", U"Désactivé", U"Disattivato", U"Aus", U"Desactivado", U"關閉", U"关闭",
      U"끄기"},
     U"L10N_OPT_PPSSTAPLE_NONE"},
    // 259
    {{U"Not Installed", U"なし", U"Non installé", U"Non installato", U"Nicht installiert",
      U"No instalado", U"未安裝", U"未安装", U"설치 안 됨"},
     U"L10N_OPT_SADDLEUNIT_NONE"},
    // 260
    {{U"Not Installed", U"なし", U"Non installé", U"Non installato", U"Nicht installiert",
      U"No instalado", U"未安裝", U"未安装", U"설치 안 됨"},
     U"L10N_OPT_RINGBINDER_NONE"},
    // 261
    {{U"Off", U"オフ", U"Désactivé", U"Disattivato", U"Aus", U"Desactivado", U"關閉", U"关闭",
      U"끄기"},
     U"L10N_OPT_USERAUTHENTICATION_OFF"},
    // 262
    {{U"Off", U"オフ", U"Désactivé", U"Disattivato", U"Aus", U"Desactivado", U"關閉", U"关闭",
      U"끄기"},
     U"L10N_OPT_THINNING_NONE"},
    // 263
    {{U"Off", U"オフ", U"Désactivé", U"Disattivato", U"Aus", U"Desactivado", U"關閉", U"关闭",
      U"끄기"},
     U"L10N_OPT_STITCH_NONE"},
    // 264
    {{U"Off", U"オフ", U"Désactivé", U"Disattivato", U"Aus", U"Desactivado", U"關閉", U"关闭",
      U"끄기"},
     U"L10N_OPT_SLIT_OFF"},
    // 265
    {{U"Off", U"オフ", U"Désactivé", U"Disattivato", U"Aus", U"Desactivado", U"關閉", U"关闭",
      U"끄기"},
     U"L10N_OPT_PERFECTBINDCREASE_NONE"},
    // 266
    {{U"Not Installed", U"なし", U"Non installé", U"Non installato", U"Nicht installiert",
      U"No instalado", U"未安裝", U"未安装", U"설치 안 됨"},
     U"L10N_OPT_CREASINGUNIT_NONE"},
    // 267
    {{U"Not Installed", U"なし", U"Non installé", U"Non installato", U"Nicht installiert",
      U"No instalado", U"未安裝", U"未安装", U"설치 안 됨"},
     U"L10N_OPT_TRIMUNIT_NONE"},
    // 268
    {{U"Not Installed", U"なし", U"Non installé", U"Non installato", U"Nicht installiert",
      U"No instalado", U"未安裝", U"未安装", U"설치 안 됨"},
     U"L10N_OPT_SQUAREFOLDUNIT_NONE"},
    // 269
    {{U"Off", U"オフ", U"Désactivé", U"Disattivato", U"Aus", U"Desactivado", U"關閉", U"关闭",
      U"끄기"},
     U"L10N_OPT_CREASE_OFF"},
    // 270
    {{U"Print on Front Cover", U"表表紙に印刷", U"Imprimer sur la couverture avant",
      U"Stampa sulla copertina anteriore", U"Vorderes Deckblatt bedrucken",
      U"Imprimir en la portada delantera", U"列印於封面", U"打印在封面", U"앞표지에 인쇄"},
     U"L10N_LBL_FRONTCOVERPRINTED"},
    // 271
    {{U"Print on Back Cover", U"裏表紙に印刷", U"Imprimer sur la couverture arrière",
      U"Stampa sulla copertina posteriore", U"Hinteres Deckblatt bedrucken",
      U"Imprimir en la portada trasera", U"列印於封底", U"打印在封底", U"뒤표지에 인쇄"},
     U"L10N_LBL_BACKCOVERPRINTED"},
    // 272
    {{U"Front Cover Tray", U"表表紙トレイ", U"Bac de couverture avant",
      U"Vassoio copertina anteriore", U"Fach für vorderes Deckblatt",
      U"Bandeja de portada delantera", U"封面紙匣", U"封面纸盒", U"앞표지 용지함"},
     U"L10N_LBL_FRONTCOVERTRAY"},
    // 273
    {{U"Back Cover Tray", U"裏表紙トレイ", U"Bac de couverture arrière",
      U"Vassoio copertina posteriore", U"Fach für hinteres Deckblatt",
      U"Bandeja de portada trasera", U"封底紙匣", U"封底纸盒", U"뒤표지 용지함"},
     U"L10N_LBL_BACKCOVERTRAY"},
    // 274
    {{U"Auto", U"自動", U"Automatique", U"Automatico", U"Automatisch", U"Automático", U"自動",
      U"自动", U"자동"},
     U"L10N_OPT_INPUTSLOT_AUTO"},
    // 275
    {{U"Auto", U"自動", U"Automatique", U"Automatico", U"Automatisch", U"Automático", U"自動",
      U"自动", U"자동"},
     U"L10N_OPT_HEADERPAGE_AUTO"},
    // 276
    {{U"Auto", U"自動", U"Automatique", U"Automatico", U"Automatisch", U"Automático", U"自動",
      U"自动", U"자동"},
     U"L10N_PAPER_LBL_AUTO"},
    // 277
    {{U"Auto", U"自動", U"Automatique", U"Automatico", U"Automatisch", U"Automático", U"自動",
      U"自动", U"자동"},
     U"L10N_OPT_PPSSOURCE_AUTO"},
    // 278
    {{U"Auto", U"自動", U"Automatique", U"Automatico", U"Automatisch", U"Automático", U"自動",
      U"自动", U"자동"},
     U"L10N_OPT_TPPSTABPOSITION_PREVIOUSPAGE"},
    // 279
    {{U"Auto", U"自動", U"Automatique", U"Automatico", U"Automatisch", U"Automático", U"自動",
      U"自动", U"자동"},
     U"L10N_OPT_OUTPUTBIN_AUTO"},
    // 280
    {{U"Tray 1", U"トレイ1", U"Bac 1", U"Vassoio 1", U"Fach 1", U"Bandeja 1", U"紙匣 1", U"纸盒 1",
      U"용지함 1"},
     U"L10N_OPT_BACKCOVERTRAY_TRAY1"},
    // 281
    {{U"Tray 1", U"トレイ1", U"Bac 1", U"Vassoio 1", U"Fach 1", U"Bandeja 1", U"紙匣 1", U"纸盒 1",
      U"용지함 1"},
     U"L10N_OPT_FRONTCOVERTRAY_TRAY1"},
    // 282
    {{U"Tray 1", U"トレイ1", U"Bac 1", U"Vassoio 1", U"Fach 1", U"Bandeja 1", U"紙匣 1", U"纸盒 1",
      U"용지함 1"},
     U"L10N_OPT_INPUTSLOT_TRAY1"},
    // 283
    {{U"Tray 1", U"トレイ1", U"Bac 1", U"Vassoio 1", U"Fach 1", U"Bandeja 1", U"紙匣 1", U"纸盒 1",
      U"용지함 1"},
     U"L10N_OPT_HEADERPAGE_TRAY1"},
    // 284
    {{U"Tray 1", U"トレイ1", U"Bac 1", U"Vassoio 1", U"Fach 1", U"Bandeja 1", U"紙匣 1", U"纸盒 1",
      U"용지함 1"},
     U"L10N_OPT_PERFECTBINDTRAY_TRAY1"},
    // 285
    {{U"Tray 1", U"トレイ1", U"Bac 1", U"Vassoio 1", U"Fach 1", U"Bandeja 1", U"紙匣 1", U"纸盒 1",
      U"용지함 1"},
     U"L10N_PAPER_LBL_TRAY1"},
    // 286
    {{U"Tray 1", U"トレイ1", U"Bac 1", U"Vassoio 1", U"Fach 1", U"Bandeja 1", U"紙匣 1", U"纸盒 1",
      U"용지함 1"},
     U"L10N_OPT_TAB1TRAY_TRAY1"},
    // 287
    {{U"Tray 1", U"トレイ1", U"Bac 1", U"Vassoio 1", U"Fach 1", U"Bandeja 1", U"紙匣 1", U"纸盒 1",
      U"용지함 1"},
     U"L10N_OPT_TAB2TRAY_TRAY1"},
    // 288
    {{U"Tray 1", U"トレイ1", U"Bac 1", U"Vassoio 1", U"Fach 1", U"Bandeja 1", U"紙匣 1", U"纸盒 1",
      U"용지함 1"},
     U"L10N_OPT_PPSSOURCE_TRAY1"},
    // 289
    {{U"Tray 2", U"トレイ2", U"Bac 2", U"Vassoio 2", U"Fach 2", U"Bandeja 2", U"紙匣 2", U"纸盒 2",
      U"용지함 2"},
     U"L10N_OPT_BACKCOVERTRAY_TRAY2"},
    // 290
    {{U"Tray 2", U"トレイ2", U"Bac 2", U"Vassoio 2", U"Fach 2", U"Bandeja 2", U"紙匣 2", U"纸盒 2",
      U"용지함 2"},
     U"L10N_OPT_FRONTCOVERTRAY_TRAY2"},
    // 291
    {{U"Tray 2", U"トレイ2", U"Bac 2", U"Vassoio 2", U"Fach 2", U"Bandeja 2", U"紙匣 2", U"纸盒 2",
      U"용지함 2"},
     U"L10N_OPT_INPUTSLOT_TRAY2"},
    // 292
    {{U"Tray 2", U"トレイ2", U"Bac 2", U"Vassoio 2", U"Fach 2", U"Bandeja 2", U"紙匣 2", U"纸盒 2",
      U"용지함 2"},
     U"L10N_OPT_HEADERPAGE_TRAY2"},
    // 293
    {{U"Tray 2", U"トレイ2", U"Bac 2", U"Vassoio 2", U"Fach 2", U"Bandeja 2", U"紙匣 2", U"纸盒 2",
      U"용지함 2"},
     U"L10N_OPT_PERFECTBINDTRAY_TRAY2"},
    // 294
    {{U"Tray 2", U"トレイ2", U"Bac 2", U"Vassoio 2", U"Fach 2", U"Bandeja 2", U"紙匣 2", U"纸盒 2",
      U"용지함 2"},
     U"L10N_PAPER_LBL_TRAY2"},
    // 295
    {{U"Tray 2", U"トレイ2", U"Bac 2", U"Vassoio 2", U"Fach 2", U"Bandeja 2", U"紙匣 2", U"纸盒 2",
      U"용지함 2"},
     U"L10N_OPT_TAB1TRAY_TRAY2"},
    // 296
    {{U"Tray 2", U"トレイ2", U"Bac 2", U"Vassoio 2", U"Fach 2", U"Bandeja 2", U"紙匣 2", U"纸盒 2",
      U"용지함 2"},
     U"L10N_OPT_TAB2TRAY_TRAY2"},
    // 297
    {{U"Tray 2", U"トレイ2", U"Bac 2", U"Vassoio 2", U"Fach 2", U"Bandeja 2", U"紙匣 2", U"纸盒 2",
      U"용지함 2"},
     U"L10N_OPT_PPSSOURCE_TRAY2"},
    // 298
    {{U"Tray 3", U"トレイ3", U"Bac 3", U"Vassoio 3", U"Fach 3", U"Bandeja 3", U"紙匣 3", U"纸盒 3",
      U"용지함 3"},
     U"L10N_OPT_BACKCOVERTRAY_TRAY3"},
    // 299
    {{U"Tray 3", U"トレイ3", U"Bac 3", U"Vassoio 3", U"Fach 3", U"Bandeja 3", U"紙匣 3", U"纸盒 3",
      U"용지함 3"},
     U"L10N_OPT_FRONTCOVERTRAY_TRAY3"},
    // 300
    {{U"Tray 3", U"トレイ3", U"Bac 3", U"Vassoio 3", U"Fach 3", U"Bandeja 3", U"紙匣 3", U"纸盒 3",
      U"용지함 3"},
     U"L10N_OPT_INPUTSLOT_TRAY3"},
    // 301
    {{U"Tray 3", U"トレイ3", U"Bac 3", U"Vassoio 3", U"Fach 3", U"Bandeja 3", U"紙匣 3", U"纸盒 3",
      U"용지함 3"},
     U"L10N_OPT_HEADERPAGE_TRAY3"},
    // 302
    {{U"Tray 3", U"トレイ3", U"Bac 3", U"Vassoio 3", U"Fach 3", U"Bandeja 3", U"紙匣 3", U"纸盒 3",
      U"용지함 3"},
     U"L10N_OPT_PERFECTBINDTRAY_TRAY3"},
    // 303
    {{U"Tray 3", U"トレイ3", U"Bac 3", U"Vassoio 3", U"Fach 3", U"Bandeja 3", U"紙匣 3", U"纸盒 3",
      U"용지함 3"},
     U"L10N_PAPER_LBL_TRAY3"},
    // 304
    {{U"Tray 3", U"トレイ3", U"Bac 3", U"Vassoio 3", U"Fach 3", U"Bandeja 3", U"紙匣 3", U"纸盒 3",
      U"용지함 3"},
     U"L10N_OPT_TAB1TRAY_TRAY3"},
    // 305
    {{U"Tray 3", U"トレイ3", U"Bac 3", U"Vassoio 3", U"Fach 3", U"Bandeja 3", U"紙匣 3", U"纸盒 3",
      U"용지함 3"},
     U"L10N_OPT_TAB2TRAY_TRAY3"},
    // 306
    {{U"Tray 3", U"トレイ3", U"Bac 3", U"Vassoio 3", U"Fach 3", U"Bandeja 3", U"紙匣 3", U"纸盒 3",
      U"용지함 3"},
     U"L10N_OPT_PPSSOURCE_TRAY3"},
    // 307
    {{U"Tray 4", U"トレイ4", U"Bac 4", U"Vassoio 4", U"Fach 4", U"Bandeja 4", U"紙匣 4", U"纸盒 4",
      U"용지함 4"},
     U"L10N_OPT_BACKCOVERTRAY_TRAY4"},
    // 308
    {{U"Tray 4", U"トレイ4", U"Bac 4", U"Vassoio 4", U"Fach 4", U"Bandeja 4", U"紙匣 4", U"纸盒 4",
      U"용지함 4"},
     U"L10N_OPT_FRONTCOVERTRAY_TRAY4"},
    // 309
    {{U"Tray 4", U"トレイ4", U"Bac 4", U"Vassoio 4", U"Fach 4", U"Bandeja 4", U"紙匣 4", U"纸盒 4",
      U"용지함 4"},
     U"L10N_OPT_INPUTSLOT_TRAY4"},
    // 310
    {{U"Tray 4", U"トレイ4", U"Bac 4", U"Vassoio 4", U"Fach 4", U"Bandeja 4", U"紙匣 4", U"纸盒 4",
      U"용지함 4"},
     U"L10N_OPT_HEADERPAGE_TRAY4"},
    // 311
    {{U"Tray 4", U"トレイ4", U"Bac 4", U"Vassoio 4", U"Fach 4", U"Bandeja 4", U"紙匣 4", U"纸盒 4",
      U"용지함 4"},
     U"L10N_OPT_PERFECTBINDTRAY_TRAY4"},
    // 312
    {{U"Tray 4", U"トレイ4", U"Bac 4", U"Vassoio 4", U"Fach 4", U"Bandeja 4", U"紙匣 4", U"纸盒 4",
      U"용지함 4"},
     U"L10N_PAPER_LBL_TRAY4"},
    // 313
    {{U"Tray 4", U"トレイ4", U"Bac 4", U"Vassoio 4", U"Fach 4", U"Bandeja 4", U"紙匣 4", U"纸盒 4",
      U"용지함 4"},
     U"L10N_OPT_TAB1TRAY_TRAY4"},
    // 314
    {{U"Tray 4", U"トレイ4", U"Bac 4", U"Vassoio 4", U"Fach 4", U"Bandeja 4", U"紙匣 4", U"纸盒 4",
      U"용지함 4"},
     U"L10N_OPT_TAB2TRAY_TRAY4"},
    // 315
    {{U"Tray 4", U"トレイ4", U"Bac 4", U"Vassoio 4", U"Fach 4", U"Bandeja 4", U"紙匣 4", U"纸盒 4",
      U"용지함 4"},
     U"L10N_OPT_PPSSOURCE_TRAY4"},
    // 316
    {{U"Tray 5", U"トレイ5", U"Bac 5", U"Vassoio 5", U"Fach 5", U"Bandeja 5", U"紙匣 5", U"纸盒 5",
      U"용지함 5"},
     U"L10N_OPT_BACKCOVERTRAY_TRAY5"},
    // 317
    {{U"Tray 5", U"トレイ5", U"Bac 5", U"Vassoio 5", U"Fach 5", U"Bandeja 5", U"紙匣 5", U"纸盒 5",
      U"용지함 5"},
     U"L10N_OPT_FRONTCOVERTRAY_TRAY5"},
    // 318
    {{U"Tray 5", U"トレイ5", U"Bac 5", U"Vassoio 5", U"Fach 5", U"Bandeja 5", U"紙匣 5", U"纸盒 5",
      U"용지함 5"},
     U"L10N_OPT_INPUTSLOT_TRAY5"},
    // 319
    {{U"Tray 5", U"トレイ5", U"Bac 5", U"Vassoio 5", U"Fach 5", U"Bandeja 5", U"紙匣 5", U"纸盒 5",
      U"용지함 5"},
     U"L10N_OPT_HEADERPAGE_TRAY5"},
    // 320
    {{U"Tray 5", U"トレイ5", U"Bac 5", U"Vassoio 5", U"Fach 5", U"Bandeja 5", U"紙匣 5", U"纸盒 5",
      U"용지함 5"},
     U"L10N_OPT_PERFECTBINDTRAY_TRAY5"},
    // 321
    {{U"Tray 5", U"トレイ5", U"Bac 5", U"Vassoio 5", U"Fach 5", U"Bandeja 5", U"紙匣 5", U"纸盒 5",
      U"용지함 5"},
     U"L10N_PAPER_LBL_TRAY5"},
    // 322
    {{U"Tray 5", U"トレイ5", U"Bac 5", U"Vassoio 5", U"Fach 5", U"Bandeja 5", U"紙匣 5", U"纸盒 5",
      U"용지함 5"},
     U"L10N_OPT_TAB1TRAY_TRAY5"},
    // 323
    {{U"Tray 5", U"トレイ5", U"Bac 5", U"Vassoio 5", U"Fach 5", U"Bandeja 5", U"紙匣 5", U"纸盒 5",
      U"용지함 5"},
     U"L10N_OPT_TAB2TRAY_TRAY5"},
    // 324
    {{U"Tray 5", U"トレイ5", U"Bac 5", U"Vassoio 5", U"Fach 5", U"Bandeja 5", U"紙匣 5", U"纸盒 5",
      U"용지함 5"},
     U"L10N_OPT_PPSSOURCE_TRAY5"},
    // 325
    {{U"Tray 6", U"トレイ6", U"Bac 6", U"Vassoio 6", U"Fach 6", U"Bandeja 6", U"紙匣 6", U"纸盒 6",
      U"용지함 6"},
     U"L10N_OPT_BACKCOVERTRAY_TRAY6"},
    // 326
    {{U"Tray 6", U"トレイ6", U"Bac 6", U"Vassoio 6", U"Fach 6", U"Bandeja 6", U"紙匣 6", U"纸盒 6",
      U"용지함 6"},
     U"L10N_OPT_FRONTCOVERTRAY_TRAY6"},
    // 327
    {{U"Tray 6", U"トレイ6", U"Bac 6", U"Vassoio 6", U"Fach 6", U"Bandeja 6", U"紙匣 6", U"纸盒 6",
      U"용지함 6"},
     U"L10N_OPT_INPUTSLOT_TRAY6"},
    // 328
    {{U"Tray 6", U"トレイ6", U"Bac 6", U"Vassoio 6", U"Fach 6", U"Bandeja 6", U"紙匣 6", U"纸盒 6",
      U"용지함 6"},
     U"L10N_OPT_HEADERPAGE_TRAY6"},
    // 329
    {{U"Tray 6", U"トレイ6", U"Bac 6", U"Vassoio 6", U"Fach 6", U"Bandeja 6", U"紙匣 6", U"纸盒 6",
      U"용지함 6"},
     U"L10N_OPT_PERFECTBINDTRAY_TRAY6"},
    // 330
    {{U"Tray 6", U"トレイ6", U"Bac 6", U"Vassoio 6", U"Fach 6", U"Bandeja 6", U"紙匣 6", U"纸盒 6",
      U"용지함 6"},
     U"L10N_PAPER_LBL_TRAY6"},
    // 331
    {{U"Tray 6", U"トレイ6", U"Bac 6", U"Vassoio 6", U"Fach 6", U"Bandeja 6", U"紙匣 6", U"纸盒 6",
      U"용지함 6"},
     U"L10N_OPT_TAB1TRAY_TRAY6"},
    // 332
    {{U"Tray 6", U"トレイ6", U"Bac 6", U"Vassoio 6", U"Fach 6", U"Bandeja 6", U"紙匣 6", U"纸盒 6",
      U"용지함 6"},
     U"L10N_OPT_TAB2TRAY_TRAY6"},
    // 333
    {{U"Tray 6", U"トレイ6", U"Bac 6", U"Vassoio 6", U"Fach 6", U"Bandeja 6", U"紙匣 6", U"纸盒 6",
      U"용지함 6"},
     U"L10N_OPT_PPSSOURCE_TRAY6"},
    // 334
    {{U"Tray 7", U"トレイ7", U"Bac 7", U"Vassoio 7", U"Fach 7", U"Bandeja 7", U"紙匣 7", U"纸盒 7",
      U"용지함 7"},
     U"L10N_OPT_BACKCOVERTRAY_TRAY7"},
    // 335
    {{U"Tray 7", U"トレイ7", U"Bac 7", U"Vassoio 7", U"Fach 7", U"Bandeja 7", U"紙匣 7", U"纸盒 7",
      U"용지함 7"},
     U"L10N_OPT_FRONTCOVERTRAY_TRAY7"},
    // 336
    {{U"Tray 7", U"トレイ7", U"Bac 7", U"Vassoio 7", U"Fach 7", U"Bandeja 7", U"紙匣 7", U"纸盒 7",
      U"용지함 7"},
     U"L10N_OPT_INPUTSLOT_TRAY7"},
    // 337
    {{U"Tray 7", U"トレイ7", U"Bac 7", U"Vassoio 7", U"Fach 7", U"Bandeja 7", U"紙匣 7", U"纸盒 7",
      U"용지함 7"},
     U"L10N_OPT_HEADERPAGE_TRAY7"},
    // 338
    {{U"Tray 7", U"トレイ7", U"Bac 7", U"Vassoio 7", U"Fach 7", U"Bandeja 7", U"紙匣 7", U"纸盒 7",
      U"용지함 7"},
     U"L10N_OPT_PERFECTBINDTRAY_TRAY7"},
    // 339
    {{U"Tray 7", U"トレイ7", U"Bac 7", U"Vassoio 7", U"Fach 7", U"Bandeja 7", U"紙匣 7", U"纸盒 7",
      U"용지함 7"},
     U"L10N_PAPER_LBL_TRAY7"},
    // 340
    {{U"Tray 7", U"トレイ7", U"Bac 7", U"Vassoio 7", U"Fach 7", U"Bandeja 7", U"紙匣 7", U"纸盒 7",
      U"용지함 7"},
     U"L10N_OPT_TAB1TRAY_TRAY7"},
    // 341
    {{U"Tray 7", U"トレイ7", U"Bac 7", U"Vassoio 7", U"Fach 7", U"Bandeja 7", U"紙匣 7", U"纸盒 7",
      U"용지함 7"},
     U"L10N_OPT_TAB2TRAY_TRAY7"},
    // 342
    {{U"Tray 7", U"トレイ7", U"Bac 7", U"Vassoio 7", U"Fach 7", U"Bandeja 7", U"紙匣 7", U"纸盒 7",
      U"용지함 7"},
     U"L10N_OPT_PPSSOURCE_TRAY7"},
    // 343
    {{U"Tray 8", U"トレイ8", U"Bac 8", U"Vassoio 8", U"Fach 8", U"Bandeja 8", U"紙匣 8", U"纸盒 8",
      U"용지함 8"},
     U"L10N_OPT_BACKCOVERTRAY_TRAY8"},
    // 344
    {{U"Tray 8", U"トレイ8", U"Bac 8", U"Vassoio 8", U"Fach 8", U"Bandeja 8", U"紙匣 8", U"纸盒 8",
      U"용지함 8"},
     U"L10N_OPT_FRONTCOVERTRAY_TRAY8"},
    // 345
    {{U"Tray 8", U"トレイ8", U"Bac 8", U"Vassoio 8", U"Fach 8", U"Bandeja 8", U"紙匣 8", U"纸盒 8",
      U"용지함 8"},
     U"L10N_OPT_INPUTSLOT_TRAY8"},
    // 346
    {{U"Tray 8", U"トレイ8", U"Bac 8", U"Vassoio 8", U"Fach 8", U"Bandeja 8", U"紙匣 8", U"纸盒 8",
      U"용지함 8"},
     U"L10N_OPT_HEADERPAGE_TRAY8"},
    // 347
    {{U"Tray 8", U"トレイ8", U"Bac 8", U"Vassoio 8", U"Fach 8", U"Bandeja 8", U"紙匣 8", U"纸盒 8",
      U"용지함 8"},
     U"L10N_OPT_PERFECTBINDTRAY_TRAY8"},
    // 348
    {{U"Tray 8", U"トレイ8", U"Bac 8", U"Vassoio 8", U"Fach 8", U"Bandeja 8", U"紙匣 8", U"纸盒 8",
      U"용지함 8"},
     U"L10N_PAPER_LBL_TRAY8"},
    // 349
    {{U"Tray 8", U"トレイ8", U"Bac 8", U"Vassoio 8", U"Fach 8", U"Bandeja 8", U"紙匣 8", U"纸盒 8",
      U"용지함 8"},
     U"L10N_OPT_TAB1TRAY_TRAY8"},
    // 350
    {{U"Tray 8", U"トレイ8", U"Bac 8", U"Vassoio 8", U"Fach 8", U"Bandeja 8", U"紙匣 8", U"纸盒 8",
      U"용지함 8"},
     U"L10N_OPT_TAB2TRAY_TRAY8"},
    // 351
    {{U"Tray 8", U"トレイ8", U"Bac 8", U"Vassoio 8", U"Fach 8", U"Bandeja 8", U"紙匣 8", U"纸盒 8",
      U"용지함 8"},
     U"L10N_OPT_PPSSOURCE_TRAY8"},
    // 352
    {{U"Tray 9", U"トレイ9", U"Bac 9", U"Vassoio 9", U"Fach 9", U"Bandeja 9", U"紙匣 9", U"纸盒 9",
      U"용지함 9"},
     U"L10N_OPT_BACKCOVERTRAY_TRAY9"},
    // 353
    {{U"Tray 9", U"トレイ9", U"Bac 9", U"Vassoio 9", U"Fach 9", U"Bandeja 9", U"紙匣 9", U"纸盒 9",
      U"용지함 9"},
     U"L10N_OPT_FRONTCOVERTRAY_TRAY9"},
    // 354
    {{U"Tray 9", U"トレイ9", U"Bac 9", U"Vassoio 9", U"Fach 9", U"Bandeja 9", U"紙匣 9", U"纸盒 9",
      U"용지함 9"},
     U"L10N_OPT_INPUTSLOT_TRAY9"},
    // 355
    {{U"Tray 9", U"トレイ9", U"Bac 9", U"Vassoio 9", U"Fach 9", U"Bandeja 9", U"紙匣 9", U"纸盒 9",
      U"용지함 9"},
     U"L10N_OPT_HEADERPAGE_TRAY9"},
    // 356
    {{U"Tray 9", U"トレイ9", U"Bac 9", U"Vassoio 9", U"Fach 9", U"Bandeja 9", U"紙匣 9", U"纸盒 9",
      U"용지함 9"},
     U"L10N_OPT_PERFECTBINDTRAY_TRAY9"},
    // 357
    {{U"Tray 9", U"トレイ9", U"Bac 9", U"Vassoio 9", U"Fach 9", U"Bandeja 9", U"紙匣 9", U"纸盒 9",
      U"용지함 9"},
     U"L10N_PAPER_LBL_TRAY9"},
    // 358
    {{U"Tray 9", U"トレイ9", U"Bac 9", U"Vassoio 9", U"Fach 9", U"Bandeja 9", U"紙匣 9", U"纸盒 9",
      U"용지함 9"},
     U"L10N_OPT_TAB1TRAY_TRAY9"},
    // 359
    {{U"Tray 9", U"トレイ9", U"Bac 9", U"Vassoio 9", U"Fach 9", U"Bandeja 9", U"紙匣 9", U"纸盒 9",
      U"용지함 9"},
     U"L10N_OPT_TAB2TRAY_TRAY9"},
    // 360
    {{U"Tray 9", U"トレイ9", U"Bac 9", U"Vassoio 9", U"Fach 9", U"Bandeja 9", U"紙匣 9", U"纸盒 9",
      U"용지함 9"},
     U"L10N_OPT_PPSSOURCE_TRAY9"},
    // 361
    {{U"Tray 10", U"トレイ10", U"Bac 10", U"Vassoio 10", U"Fach 10", U"Bandeja 10", U"紙匣 10",
      U"纸盒 10", U"용지함 10"},
     U"L10N_OPT_BACKCOVERTRAY_TRAY10"},
    // 362
    {{U"Tray 10", U"トレイ10", U"Bac 10", U"Vassoio 10", U"Fach 10", U"Bandeja 10", U"紙匣 10",
      U"纸盒 10", U"용지함 10"},
     U"L10N_OPT_FRONTCOVERTRAY_TRAY10"},
    // 363
    {{U"Tray 10", U"トレイ10", U"Bac 10", U"Vassoio 10", U"Fach 10", U"Bandeja 10", U"紙匣 10",
      U"纸盒 10", U"용지함 10"},
     U"L10N_OPT_INPUTSLOT_TRAY10"},
    // 364
    {{U"Tray 10", U"トレイ10", U"Bac 10", U"Vassoio 10", U"Fach 10", U"Bandeja 10", U"紙匣 10",
      U"纸盒 10", U"용지함 10"},
     U"L10N_OPT_HEADERPAGE_TRAY10"},
    // 365
    {{U"Tray 10", U"トレイ10", U"Bac 10", U"Vassoio 10", U"Fach 10", U"Bandeja 10", U"紙匣 10",
      U"纸盒 10", U"용지함 10"},
     U"L10N_OPT_PERFECTBINDTRAY_TRAY10"},
    // 366
    {{U"Tray 10", U"トレイ10", U"Bac 10", U"Vassoio 10", U"Fach 10", U"Bandeja 10", U"紙匣 10",
      U"纸盒 10", U"용지함 10"},
     U"L10N_PAPER_LBL_TRAY10"},
    // 367
    {{U"Tray 10", U"トレイ10", U"Bac 10", U"Vassoio 10", U"Fach 10", U"Bandeja 10", U"紙匣 10",
      U"纸盒 10", U"용지함 10"},
     U"L10N_OPT_TAB1TRAY_TRAY10"},
    // 368
    {{U"Tray 10", U"トレイ10", U"Bac 10", U"Vassoio 10", U"Fach 10", U"Bandeja 10", U"紙匣 10",
      U"纸盒 10", U"용지함 10"},
     U"L10N_OPT_TAB2TRAY_TRAY10"},
    // 369
    {{U"Tray 10", U"トレイ10", U"Bac 10", U"Vassoio 10", U"Fach 10", U"Bandeja 10", U"紙匣 10",
      U"纸盒 10", U"용지함 10"},
     U"L10N_OPT_PPSSOURCE_TRAY10"},
    // 370
    {{U"Tray 11", U"トレイ11", U"Bac 11", U"Vassoio 11", U"Fach 11", U"Bandeja 11", U"紙匣 11",
      U"纸盒 11", U"용지함 11"},
     U"L10N_OPT_BACKCOVERTRAY_TRAY11"},
    // 371
    {{U"Tray 11", U"トレイ11", U"Bac 11", U"Vassoio 11", U"Fach 11", U"Bandeja 11", U"紙匣 11",
      U"纸盒 11", U"용지함 11"},
     U"L10N_OPT_FRONTCOVERTRAY_TRAY11"},
    // 372
    {{U"Tray 11", U"トレイ11", U"Bac 11", U"Vassoio 11", U"Fach 11", U"Bandeja 11", U"紙匣 11",
      U"纸盒 11", U"용지함 11"},
     U"L10N_OPT_INPUTSLOT_TRAY11"},
    // 373
    {{U"Tray 11", U"トレイ11", U"Bac 11", U"Vassoio 11", U"Fach 11", U"Bandeja 11", U"紙匣 11",
      U"纸盒 11", U"용지함 11"},
     U"L10N_OPT_HEADERPAGE_TRAY11"},
    // 374
    {{U"Tray 11", U"トレイ11", U"Bac 11", U"Vassoio 11", U"Fach 11", U"Bandeja 11", U"紙匣 11",
      U"纸盒 11", U"용지함 11"},
     U"L10N_OPT_PERFECTBINDTRAY_TRAY11"},
    // 375
    {{U"Tray 11", U"トレイ11", U"Bac 11", U"Vassoio 11", U"Fach 11", U"Bandeja 11", U"紙匣 11",
      U"纸盒 11", U"용지함 11"},
     U"L10N_PAPER_LBL_TRAY11"},
    // 376
    {{U"Tray 11", U"トレイ11", U"Bac 11", U"Vassoio 11", U"Fach 11", U"Bandeja 11", U"紙匣 11",
      U"纸盒 11", U"용지함 11"},
     U"L10N_OPT_TAB1TRAY_TRAY11"},
    // 377
    {{U"Tray 11", U"トレイ11", U"Bac 11", U"Vassoio 11", U"Fach 11", U"Bandeja 11", U"紙匣 11",
      U"纸盒 11", U"용지함 11"},
     U"L10N_OPT_TAB2TRAY_TRAY11"},
    // 378
    {{U"Tray 11", U"トレイ11", U"Bac 11", U"Vassoio 11", U"Fach 11", U"Bandeja 11", U"紙匣 11",
      U"纸盒 11", U"용지함 11"},
     U"L10N_OPT_PPSSOURCE_TRAY11"},
    // 379
    {{U"Output Tray", U"排紙トレイ", U"Bac de sortie", U"Vassoio di uscita", U"Ausgabefach",
      U"Bandeja de salida", U"出紙槽", U"出纸盘", U"출력 용지함"},
     U"L10N_LBL_OUTPUTBIN"},
    // 380
    {{U"Default", U"既定", U"Par défaut", U"Predefinito", U"Vorgabe", U"Predeterminado", U"預設",
      U"默认", U"기본값"},
     U"L10N_OPT_TARGETPAPERSIZE_NONE"},
    // 381
    {{U"Stacker (Auto)", U"スタッカー（自動）", U"Empileuse (automatique)",
      U"Impilatore (automatico)", U"Stapelablage (automatisch)", U"Apilador (automático)",
      U"堆疊器（自動）", U"堆叠器（自动）", U"스태커 (자동)"},
     U"L10N_OPT_OUTPUTBIN_STACKERAUTO"},
    // 382
    {{U"Stacker 1 Main Tray", U"スタッカー1 メイントレイ", U"Empileuse 1, bac principal",
      U"Impilatore 1, vassoio principale", U"Stapelablage 1, Hauptfach",
      U"Apilador 1, bandeja principal", U"堆疊器 1 主出紙槽", U"堆叠器 1 主出纸盘",
      U"스태커 1 메인 트레이"},
     U"L10N_OPT_OUTPUTBIN_STACKER1MAIN"},
    // 383
    {{U"Stacker 1 Sub Tray", U"スタッカー1 サブトレイ", U"Empileuse 1, bac secondaire",
      U"Impilatore 1, vassoio secondario", U"Stapelablage 1, Nebenfach",
      U"Apilador 1, bandeja secundaria", U"堆疊器 1 副出紙槽", U"堆叠器 1 副出纸盘",
      U"스태커 1 보조 트레이"},
     U"L10N_OPT_OUTPUTBIN_STACKER1SUB"},
    // 384
    {{U"Stacker 2 Main Tray", U"スタッカー2 メイントレイ", U"Empileuse 2, bac principal",
      U"Impilatore 2, vassoio principale", U"Stapelablage 2, Hauptfach",
      U"Apilador 2, bandeja principal", U"堆疊器 2 主出紙槽", U"堆叠器 2 主出纸盘",
      U"스태커 2 메인 트레이"},
     U"L10N_OPT_OUTPUTBIN_STACKER2MAIN"},
    // 385
    {{U"Stacker 2 Sub Tray", U"スタッカー2 サブトレイ", U"Empileuse 2, bac secondaire",
      U"Impilatore 2, vassoio secondario", U"Stapelablage 2, Nebenfach",
      U"Apilador 2, bandeja secundaria", U"堆疊器 2 副出紙槽", U"堆叠器 2 副出纸盘",
      U"스태커 2 보조 트레이"},
     U"L10N_OPT_OUTPUTBIN_STACKER2SUB"},
    // 386
    {{U"Stacker 3 Main Tray", U"スタッカー3 メイントレイ", U"Empileuse 3, bac principal",
      U"Impilatore 3, vassoio principale", U"Stapelablage 3, Hauptfach",
      U"Apilador 3, bandeja principal", U"堆疊器 3 主出紙槽", U"堆叠器 3 主出纸盘",
      U"스태커 3 메인 트레이"},
     U"L10N_OPT_OUTPUTBIN_STACKER3MAIN"},
    // 387
    {{U"Stacker 3 Sub Tray", U"スタッカー3 サブトレイ", U"Empileuse 3, bac secondaire",
      U"Impilatore 3, vassoio secondario", U"Stapelablage 3, Nebenfach",
      U"Apilador 3, bandeja secundaria", U"堆疊器 3 副出紙槽", U"堆叠器 3 副出纸盘",
      U"스태커 3 보조 트레이"},
     U"L10N_OPT_OUTPUTBIN_STACKER3SUB"},
    // 388
    {{U"Folding Unit Main Tray", U"折りユニット メイントレイ", U"Module de pliage, bac principal",
      U"Unità di piegatura, vassoio principale", U"Falzeinheit, Hauptfach",
      U"Unidad de plegado, bandeja principal", U"摺疊單元主出紙槽", U"折叠单元主出纸盘",
      U"접지 장치 메인 트레이"},
     U"L10N_OPT_OUTPUTBIN_MULTIFOLDMAIN"},
    // 389
    {{U"Folding Unit Sub Tray", U"折りユニット サブトレイ", U"Module de pliage, bac secondaire",
      U"Unità di piegatura, vassoio secondario", U"Falzeinheit, Nebenfach",
      U"Unidad de plegado, bandeja secundaria", U"摺疊單元副出紙槽", U"折叠单元副出纸盘",
      U"접지 장치 보조 트레이"},
     U"L10N_OPT_OUTPUTBIN_MULTIFOLDSUB"},
    // 390
    {{U"Saddle Stitcher Sub Tray", U"中綴じユニット サブトレイ",
      U"Module de piqûre à cheval, bac secondaire",
      U"Unità di cucitura a sella, vassoio secondario", U"Sattelhefteinheit, Nebenfach",
      U"Unidad de grapado en caballete, bandeja secundaria", U"騎馬釘裝訂單元副出紙槽",
      U"骑马钉装订单元副出纸盘", U"중철 유닛 보조 트레이"},
     U"L10N_OPT_OUTPUTBIN_SADDLESUB"},
    // 391
    {{U"Stapler Main Tray", U"ステープラー メイントレイ", U"Agrafeuse, bac principal",
      U"Pinzatrice, vassoio principale", U"Hefter, Hauptfach", U"Grapadora, bandeja principal",
      U"裝訂器主出紙槽", U"装订器主出纸盘", U"스테이플러 메인 트레이"},
     U"L10N_OPT_OUTPUTBIN_STAPLERMAIN"},
    // 392
    {{U"Stapler Sub Tray", U"ステープラー サブトレイ", U"Agrafeuse, bac secondaire",
      U"Pinzatrice, vassoio secondario", U"Hefter, Nebenfach", U"Grapadora, bandeja secundaria",
      U"裝訂器副出紙槽", U"装订器副出纸盘", U"스테이플러 보조 트레이"},
     U"L10N_OPT_OUTPUTBIN_STAPLERSUB"},
    // 393
    {{U"Binder Sub Tray", U"製本機 サブトレイ", U"Relieuse, bac secondaire",
      U"Rilegatrice, vassoio secondario", U"Bindeeinheit, Nebenfach",
      U"Encuadernadora, bandeja secundaria", U"膠裝機副出紙槽", U"胶装机副出纸盘",
      U"제본기 보조 트레이"},
     U"L10N_OPT_OUTPUTBIN_BINDERSUB"},
    // 394
    {{U"Third-Party Finisher", U"他社製フィニッシャー", U"Module de finition tiers",
      U"Finitore di terze parti", U"Finisher eines Drittanbieters", U"Acabadora de terceros",
      U"第三方後處理器", U"第三方后处理器", U"타사 피니셔"},
     U"L10N_OPT_OUTPUTBIN_THIRDPARTYFINISHER"},
    // 395
    {{U"Resolution", U"解像度", U"Résolution", U"Risoluzione", U"Auflösung", U"Resolución",
      U"解析度", U"分辨率", U"해상도"},
     U"L10N_LBL_RESOLUTION"},
    // 396
    {{U"Current Resolution", U"現在の解像度", U"Résolution actuelle", U"Risoluzione attuale",
      U"Aktuelle Auflösung", U"Resolución actual", U"目前解析度", U"当前分辨率", U"현재 해상도"},
     U"L10N_FORMS_LBL_CURRENTRESOLUTION"},
    // 397
    {{U"600 dpi", U"600 dpi", U"600 dpi", U"600 dpi", U"600 dpi", U"600 dpi", U"600 dpi",
      U"600 dpi", U"600 dpi"},
     U"L10N_OPT_RESOLUTION_600DPI"},
    // 398
    {{U"600 dpi", U"600 dpi", U"600 dpi", U"600 dpi", U"600 dpi", U"600 dpi", U"600 dpi",
      U"600 dpi", U"600 dpi"},
     U"L10N_FORMS_LBL_RESOLUTION_600"},
    // 399
    {{U"1200 dpi", U"1200 dpi", U"1200 dpi", U"1200 dpi", U"1200 dpi", U"1200 dpi", U"1200 dpi",
      U"1200 dpi", U"1200 dpi"},
     U"L10N_OPT_RESOLUTION_1200DPI"},
    // 400
    {{U"1200 dpi", U"1200 dpi", U"1200 dpi", U"1200 dpi", U"1200 dpi", U"1200 dpi", U"1200 dpi",
      U"1200 dpi", U"1200 dpi"},
     U"L10N_FORMS_LBL_RESOLUTION_1200"},
    // 401
    {{U"Normal", U"標準", U"Normal", U"Normale", U"Normal", U"Normal", U"標準", U"标准", U"보통"},
     U"L10N_OPT_PRINTQUALITY_NORMAL"},
    // 402
    {{U"Standard", U"標準", U"Standard", U"Standard", U"Standard", U"Estándar", U"標準", U"标准",
      U"표준"},
     U"L10N_OPT_IMAGEDENSITY_NORMAL"},
    // 403
    {{U"Smoothing", U"スムージング", U"Lissage", U"Smussatura", U"Kantenglättung", U"Suavizado",
      U"平滑化", U"平滑处理", U"스무딩"},
     U"L10N_LBL_SMOOTHING"},
    // 404
    {{U"Image Position", U"画像位置", U"Position de l’image", U"Posizione immagine",
      U"Bildposition", U"Posición de la imagen", U"影像位置", U"图像位置", U"이미지 위치"},
     U"L10N_LBL_PRINTPOSITION"},
    // 405
    {{U"Lead Edge", U"先端側", U"Bord d’attaque", U"Bordo anteriore", U"Vorderkante",
      U"Borde delantero", U"前緣", U"前缘", U"앞쪽 가장자리"},
     U"L10N_OPT_PRINTPOSITION_LEFT"},
    // 406
    {{U"Center", U"中央", U"Centre", U"Centro", U"Mitte", U"Centro", U"置中", U"居中", U"가운데"},
     U"L10N_OPT_TAB1POSITION_CENTER"},
    // 407
    {{U"Center", U"中央", U"Centre", U"Centro", U"Mitte", U"Centro", U"置中", U"居中", U"가운데"},
     U"L10N_OPT_TAB2POSITION_CENTER"},
    // 408
    {{U"Rear Edge", U"後端側", U"Bord de fuite", U"Bordo posteriore", U"Hinterkante",
      U"Borde trasero", U"後緣", U"后缘", U"뒤쪽 가장자리"},
     U"L10N_OPT_PRINTPOSITION_RIGHT"},
    // 409
    {{U"Date/Time", U"日付/時刻", U"Date/heure", U"Data/ora", U"Datum/Uhrzeit", U"Fecha/hora",
      U"日期/時間", U"日期/时间", U"날짜/시간"},
     U"L10N_LBL_DATESTAMP"},
    // 410
    {{U"1st Page Only", U"先頭ページのみ", U"Première page uniquement", U"Solo prima pagina",
      U"Nur erste Seite", U"Solo la primera página", U"僅第一頁", U"仅首页", U"첫 페이지만"},
     U"L10N_OPT_DATESTAMP_FRONTONLY"},
    // 411
    {{U"All Pages", U"全ページ", U"Toutes les pages", U"Tutte le pagine", U"Alle Seiten",
      U"Todas las páginas", U"所有頁面", U"所有页面", U"모든 페이지"},
     U"L10N_OPT_DATESTAMP_ALL"},
    // 412
    {{U"All Pages", U"全ページ", U"Toutes les pages", U"Tutte le pagine", U"Alle Seiten",
      U"Todas las páginas", U"所有頁面", U"所有页面", U"모든 페이지"},
     U"L10N_OPT_PAGENUMBERINGMODE_ALLPAGES"},
    // 413
    {{U"Pile Setting", U"積載設定", U"Réglage d’empilement", U"Impostazione impilatura",
      U"Stapeleinstellung", U"Ajuste de apilado", U"堆疊設定", U"堆叠设置", U"적재 설정"},
     U"L10N_LBL_PILE"},
    // 414
    {{U"Paper Sources", U"給紙装置", U"Sources papier", U"Alimentatori carta", U"Papierzuführungen",
      U"Fuentes de papel", U"供紙裝置", U"供纸装置", U"급지 장치"},
     U"L10N_LBL_PAPERSOURCES"},
    // 415
    {{U"Folding Unit", U"折りユニット", U"Module de pliage", U"Unità di piegatura", U"Falzeinheit",
      U"Unidad de plegado", U"摺疊單元", U"折叠单元", U"접지 장치"},
     U"L10N_LBL_MULTIFOLDER"},
    // 416
    {{U"QC-213-23", U"QC-213-23", U"QC-213-23", U"QC-213-23", U"QC-213-23", U"QC-213-23",
      U"QC-213-23", U"QC-213-23", U"QC-213-23"},
     U"L10N_OPT_MULTIFOLDER_QC_213_23"},
    // 417
    {{U"QC-213-24", U"QC-213-24", U"QC-213-24", U"QC-213-24", U"QC-213-24", U"QC-213-24",
      U"QC-213-24", U"QC-213-24", U"QC-213-24"},
     U"L10N_OPT_MULTIFOLDER_QC_213_24"},
    // 418
    {{U"Stacker", U"スタッカー", U"Empileuse", U"Impilatore", U"Stapelablage", U"Apilador",
      U"堆疊器", U"堆叠器", U"스태커"},
     U"L10N_LBL_STACKER"},
    // 419
    {{U"QF-218", U"QF-218", U"QF-218", U"QF-218", U"QF-218", U"QF-218", U"QF-218", U"QF-218",
      U"QF-218"},
     U"L10N_OPT_STACKER_QF_218"},
    // 420
    {{U"QF-218 × 2", U"QF-218 × 2", U"QF-218 × 2", U"QF-218 × 2", U"QF-218 × 2", U"QF-218 × 2",
      U"QF-218 × 2", U"QF-218 × 2", U"QF-218 × 2"},
     U"L10N_OPT_STACKER_QF_218_218"},
    // 421
    {{U"QF-218 × 3", U"QF-218 × 3", U"QF-218 × 3", U"QF-218 × 3", U"QF-218 × 3", U"QF-218 × 3",
      U"QF-218 × 3", U"QF-218 × 3", U"QF-218 × 3"},
     U"L10N_OPT_STACKER_QF_218_218_218"},
    // 422
    {{U"QF-219", U"QF-219", U"QF-219", U"QF-219", U"QF-219", U"QF-219", U"QF-219", U"QF-219",
      U"QF-219"},
     U"L10N_OPT_STACKER_QF_219"},
    // 423
    {{U"QF-219 × 2", U"QF-219 × 2", U"QF-219 × 2", U"QF-219 × 2", U"QF-219 × 2", U"QF-219 × 2",
      U"QF-219 × 2", U"QF-219 × 2", U"QF-219 × 2"},
     U"L10N_OPT_STACKER_QF_219_219"},
    // 424
    {{U"QF-219 × 3", U"QF-219 × 3", U"QF-219 × 3", U"QF-219 × 3", U"QF-219 × 3", U"QF-219 × 3",
      U"QF-219 × 3", U"QF-219 × 3", U"QF-219 × 3"},
     U"L10N_OPT_STACKER_QF_219_219_219"},
    // 425
    {{U"Saddle Stitcher", U"中綴じユニット", U"Module de piqûre à cheval",
      U"Unità di cucitura a sella", U"Sattelhefteinheit", U"Unidad de grapado en caballete",
      U"騎馬釘裝訂單元", U"骑马钉装订单元", U"중철 유닛"},
     U"L10N_LBL_SADDLESTITCHER"},
    // 426
    {{U"Binder", U"製本機", U"Relieuse", U"Rilegatrice", U"Bindeeinheit", U"Encuadernadora",
      U"膠裝機", U"胶装机", U"제본기"},
     U"L10N_LBL_BINDER"},
    // 427
    {{U"Not Installed", U"なし", U"Non installé", U"Non installato", U"Nicht installiert",
      U"No instalado", U"未安裝", U"未安装", U"설치 안 됨"},
     U"L10N_OPT_BINDER_NONE"},
    // 428
    {{U"Not Installed", U"なし", U"Non installé", U"Non installato", U"Nicht installiert",
      U"No instalado", U"未安裝", U"未安装", U"설치 안 됨"},
     U"L10N_OPT_MULTIFOLDER_NONE"},
    // 429
    {{U"Not Installed", U"なし", U"Non installé", U"Non installato", U"Nicht installiert",
      U"No instalado", U"未安裝", U"未安装", U"설치 안 됨"},
     U"L10N_OPT_MULTIHOLEPUNCH_NONE"},
    // 430
    {{U"Not Installed", U"なし", U"Non installé", U"Non installato", U"Nicht installiert",
      U"No instalado", U"未安裝", U"未安装", U"설치 안 됨"},
     U"L10N_OPT_PAPERSOURCES_NONE"},
    // 431
    {{U"Not Installed", U"なし", U"Non installé", U"Non installato", U"Nicht installiert",
      U"No instalado", U"未安裝", U"未安装", U"설치 안 됨"},
     U"L10N_OPT_SADDLESTITCHER_NONE"},
    // 432
    {{U"Not Installed", U"なし", U"Non installé", U"Non installato", U"Nicht installiert",
      U"No instalado", U"未安裝", U"未安装", U"설치 안 됨"},
     U"L10N_OPT_STACKER_NONE"},
    // 433
    {{U"Not Installed", U"なし", U"Non installé", U"Non installato", U"Nicht installiert",
      U"No instalado", U"未安裝", U"未安装", U"설치 안 됨"},
     U"L10N_OPT_STAPLER_NONE"},
    // 434
    {{U"Not Installed", U"なし", U"Non installé", U"Non installato", U"Nicht installiert",
      U"No instalado", U"未安裝", U"未安装", U"설치 안 됨"},
     U"L10N_OPT_POSTINSERTER_NONE"},
    // 435
    {{U"Not Installed", U"なし", U"Non installé", U"Non installato", U"Nicht installiert",
      U"No instalado", U"未安裝", U"未安装", U"설치 안 됨"},
     U"L10N_OPT_ZFOLDUNIT_NONE"},
    // 436
    {{U"Not Installed", U"なし", U"Non installé", U"Non installato", U"Nicht installiert",
      U"No instalado", U"未安裝", U"未安装", U"설치 안 됨"},
     U"L10N_OPT_PUNCHUNIT_NONE"},
    // 437
    {{U"Not Installed", U"なし", U"Non installé", U"Non installato", U"Nicht installiert",
      U"No instalado", U"未安裝", U"未安装", U"설치 안 됨"},
     U"L10N_OPT_LARGEPOSTINSERTER_NONE"},
    // 438
    {{U"Not Installed", U"なし", U"Non installé", U"Non installato", U"Nicht installiert",
      U"No instalado", U"未安裝", U"未安装", U"설치 안 됨"},
     U"L10N_OPT_ENVELOPEUNIT_NONE"},
    // 439
    {{U"Stapler", U"ステープラー", U"Agrafeuse", U"Pinzatrice", U"Hefter", U"Grapadora", U"裝訂器",
      U"装订器", U"스테이플러"},
     U"L10N_LBL_STAPLER"},
    // 440
    {{U"QD-215", U"QD-215", U"QD-215", U"QD-215", U"QD-215", U"QD-215", U"QD-215", U"QD-215",
      U"QD-215"},
     U"L10N_OPT_STAPLER_QD_215"},
    // 441
    {{U"Multi Punch Unit", U"マルチパンチユニット", U"Module de perforation multiple",
      U"Unità di perforazione multipla", U"Mehrfachlocheinheit", U"Unidad de perforación múltiple",
      U"多孔打孔單元", U"多孔打孔单元", U"멀티 펀치 장치"},
     U"L10N_LBL_MULTIHOLEPUNCH"},
    // 442
    {{U"QE-216", U"QE-216", U"QE-216", U"QE-216", U"QE-216", U"QE-216", U"QE-216", U"QE-216",
      U"QE-216"},
     U"L10N_OPT_MULTIHOLEPUNCH_QE_216"},
    // 443
    {{U"Post Inserter", U"ポストインサーター", U"Module d’insertion", U"Inseritore",
      U"Einschießeinheit", U"Insertador", U"後置插頁器", U"后置插页器", U"포스트 인서터"},
     U"L10N_LBL_POSTINSERTER"},
    // 444
    {{U"Punch Unit", U"パンチユニット", U"Module de perforation", U"Unità di perforazione",
      U"Locheinheit", U"Unidad de perforación", U"打孔單元", U"打孔单元", U"펀치 장치"},
     U"L10N_LBL_PUNCHUNIT"},
    // 445
    {{U"40 lpi", U"40 lpi", U"40 lpi", U"40 lpi", U"40 lpi", U"40 lpi", U"40 lpi", U"40 lpi",
      U"40 lpi"},
     U"L10N_OPT_SCREENFREQ_40"},
    // 446
    {{U"41 lpi", U"41 lpi", U"41 lpi", U"41 lpi", U"41 lpi", U"41 lpi", U"41 lpi", U"41 lpi",
      U"41 lpi"},
     U"L10N_OPT_SCREENFREQ_41"},
    // 447
    {{U"43 lpi", U"43 lpi", U"43 lpi", U"43 lpi", U"43 lpi", U"43 lpi", U"43 lpi", U"43 lpi",
      U"43 lpi"},
     U"L10N_OPT_SCREENFREQ_43"},
    // 448
    {{U"44 lpi", U"44 lpi", U"44 lpi", U"44 lpi", U"44 lpi", U"44 lpi", U"44 lpi", U"44 lpi",
      U"44 lpi"},
     U"L10N_OPT_SCREENFREQ_44"},
    // 449
    {{U"46 lpi", U"46 lpi", U"46 lpi", U"46 lpi", U"46 lpi", U"46 lpi", U"46 lpi", U"46 lpi",
      U"46 lpi"},
     U"L10N_OPT_SCREENFREQ_46"},
    // 450
    {{U"48 lpi", U"48 lpi", U"48 lpi", U"48 lpi", U"48 lpi", U"48 lpi", U"48 lpi", U"48 lpi",
      U"48 lpi"},
     U"L10N_OPT_SCREENFREQ_48"},
    // 451
    {{U"50 lpi", U"50 lpi", U"50 lpi", U"50 lpi", U"50 lpi", U"50 lpi", U"50 lpi", U"50 lpi",
      U"50 lpi"},
     U"L10N_OPT_SCREENFREQ_50"},
    // 452
    {{U"52 lpi", U"52 lpi", U"52 lpi", U"52 lpi", U"52 lpi", U"52 lpi", U"52 lpi", U"52 lpi",
      U"52 lpi"},
     U"L10N_OPT_SCREENFREQ_52"},
    // 453
    {{U"55 lpi", U"55 lpi", U"55 lpi", U"55 lpi", U"55 lpi", U"55 lpi", U"55 lpi", U"55 lpi",
      U"55 lpi"},
     U"L10N_OPT_SCREENFREQ_55"},
    // 454
    {{U"57 lpi", U"57 lpi", U"57 lpi", U"57 lpi", U"57 lpi", U"57 lpi", U"57 lpi", U"57 lpi",
      U"57 lpi"},
     U"L10N_OPT_SCREENFREQ_57"},
    // 455
    {{U"60 lpi", U"60 lpi", U"60 lpi", U"60 lpi", U"60 lpi", U"60 lpi", U"60 lpi", U"60 lpi",
      U"60 lpi"},
     U"L10N_OPT_SCREENFREQ_60"},
    // 456
    {{U"63 lpi", U"63 lpi", U"63 lpi", U"63 lpi", U"63 lpi", U"63 lpi", U"63 lpi", U"63 lpi",
      U"63 lpi"},
     U"L10N_OPT_SCREENFREQ_63"},
    // 457
    {{U"67 lpi", U"67 lpi", U"67 lpi", U"67 lpi", U"67 lpi", U"67 lpi", U"67 lpi", U"67 lpi",
      U"67 lpi"},
     U"L10N_OPT_SCREENFREQ_67"},
    // 458
    {{U"71 lpi", U"71 lpi", U"71 lpi", U"71 lpi", U"71 lpi", U"71 lpi", U"71 lpi", U"71 lpi",
      U"71 lpi"},
     U"L10N_OPT_SCREENFREQ_71"},
    // 459
    {{U"75 lpi", U"75 lpi", U"75 lpi", U"75 lpi", U"75 lpi", U"75 lpi", U"75 lpi", U"75 lpi",
      U"75 lpi"},
     U"L10N_OPT_SCREENFREQ_75"},
    // 460
    {{U"80 lpi", U"80 lpi", U"80 lpi", U"80 lpi", U"80 lpi", U"80 lpi", U"80 lpi", U"80 lpi",
      U"80 lpi"},
     U"L10N_OPT_SCREENFREQ_80"},
    // 461
    {{U"86 lpi", U"86 lpi", U"86 lpi", U"86 lpi", U"86 lpi", U"86 lpi", U"86 lpi", U"86 lpi",
      U"86 lpi"},
     U"L10N_OPT_SCREENFREQ_86"},
    // 462
    {{U"92 lpi", U"92 lpi", U"92 lpi", U"92 lpi", U"92 lpi", U"92 lpi", U"92 lpi", U"92 lpi",
      U"92 lpi"},
     U"L10N_OPT_SCREENFREQ_92"},
    // 463
    {{U"100 lpi", U"100 lpi", U"100 lpi", U"100 lpi", U"100 lpi", U"100 lpi", U"100 lpi",
      U"100 lpi", U"100 lpi"},
     U"L10N_OPT_SCREENFREQ_100"},
    // 464
    {{U"109 lpi", U"109 lpi", U"109 lpi", U"109 lpi", U"109 lpi", U"109 lpi", U"109 lpi",
      U"109 lpi", U"109 lpi"},
     U"L10N_OPT_SCREENFREQ_109"},
    // 465
    {{U"120 lpi", U"120 lpi", U"120 lpi", U"120 lpi", U"120 lpi", U"120 lpi", U"120 lpi",
      U"120 lpi", U"120 lpi"},
     U"L10N_OPT_SCREENFREQ_120"},
    // 466
    {{U"133 lpi", U"133 lpi", U"133 lpi", U"133 lpi", U"133 lpi", U"133 lpi", U"133 lpi",
      U"133 lpi", U"133 lpi"},
     U"L10N_OPT_SCREENFREQ_133"},
    // 467
    {{U"150 lpi", U"150 lpi", U"150 lpi", U"150 lpi", U"150 lpi", U"150 lpi", U"150 lpi",
      U"150 lpi", U"150 lpi"},
     U"L10N_OPT_SCREENFREQ_150"},
    // 468
    {{U"171 lpi", U"171 lpi", U"171 lpi", U"171 lpi", U"171 lpi", U"171 lpi", U"171 lpi",
      U"171 lpi", U"171 lpi"},
     U"L10N_OPT_SCREENFREQ_171"},
    // 469
    {{U"200 lpi", U"200 lpi", U"200 lpi", U"200 lpi", U"200 lpi", U"200 lpi", U"200 lpi",
      U"200 lpi", U"200 lpi"},
     U"L10N_OPT_SCREENFREQ_200"},
    // 470
    {{U"240 lpi", U"240 lpi", U"240 lpi", U"240 lpi", U"240 lpi", U"240 lpi", U"240 lpi",
      U"240 lpi", U"240 lpi"},
     U"L10N_OPT_SCREENFREQ_240"},
    // 471
    {{U"300 lpi", U"300 lpi", U"300 lpi", U"300 lpi", U"300 lpi", U"300 lpi", U"300 lpi",
      U"300 lpi", U"300 lpi"},
     U"L10N_OPT_SCREENFREQ_300"},
    // 472
    {{U"0.0°", U"0.0°", U"0.0°", U"0.0°", U"0.0°", U"0.0°", U"0.0°", U"0.0°", U"0.0°"},
     U"L10N_OPT_SCREENANGLE_0"},
    // 473
    {{U"15.0°", U"15.0°", U"15.0°", U"15.0°", U"15.0°", U"15.0°", U"15.0°", U"15.0°", U"15.0°"},
     U"L10N_OPT_SCREENANGLE_15"},
    // 474
    {{U"30.0°", U"30.0°", U"30.0°", U"30.0°", U"30.0°", U"30.0°", U"30.0°", U"30.0°", U"30.0°"},
     U"L10N_OPT_SCREENANGLE_30"},
    // 475
    {{U"45.0°", U"45.0°", U"45.0°", U"45.0°", U"45.0°", U"45.0°", U"45.0°", U"45.0°", U"45.0°"},
     U"L10N_OPT_SCREENANGLE_45"},
    // 476
    {{U"60.0°", U"60.0°", U"60.0°", U"60.0°", U"60.0°", U"60.0°", U"60.0°", U"60.0°", U"60.0°"},
     U"L10N_OPT_SCREENANGLE_60"},
    // 477
    {{U"75.0°", U"75.0°", U"75.0°", U"75.0°", U"75.0°", U"75.0°", U"75.0°", U"75.0°", U"75.0°"},
     U"L10N_OPT_SCREENANGLE_75"},
    // 478
    {{U"90.0°", U"90.0°", U"90.0°", U"90.0°", U"90.0°", U"90.0°", U"90.0°", U"90.0°", U"90.0°"},
     U"L10N_OPT_SCREENANGLE_90"},
    // 479
    {{U"105.0°", U"105.0°", U"105.0°", U"105.0°", U"105.0°", U"105.0°", U"105.0°", U"105.0°",
      U"105.0°"},
     U"L10N_OPT_SCREENANGLE_105"},
    // 480
    {{U"120.0°", U"120.0°", U"120.0°", U"120.0°", U"120.0°", U"120.0°", U"120.0°", U"120.0°",
      U"120.0°"},
     U"L10N_OPT_SCREENANGLE_120"},
    // 481
    {{U"135.0°", U"135.0°", U"135.0°", U"135.0°", U"135.0°", U"135.0°", U"135.0°", U"135.0°",
      U"135.0°"},
     U"L10N_OPT_SCREENANGLE_135"},
    // 482
    {{U"150.0°", U"150.0°", U"150.0°", U"150.0°", U"150.0°", U"150.0°", U"150.0°", U"150.0°",
      U"150.0°"},
     U"L10N_OPT_SCREENANGLE_150"},
    // 483
    {{U"165.0°", U"165.0°", U"165.0°", U"165.0°", U"165.0°", U"165.0°", U"165.0°", U"165.0°",
      U"165.0°"},
     U"L10N_OPT_SCREENANGLE_165"},
    // 484
    {{U"Simple Dot", U"シンプルドット", U"Point simple", U"Punto semplice", U"Einfacher Punkt",
      U"Punto simple", U"簡單網點", U"简单网点", U"단순 점"},
     U"L10N_OPT_SCREENDOT_SIMPLEDOT"},
    // 485
    {{U"Inverted Simple Dot", U"反転シンプルドット", U"Point simple inversé",
      U"Punto semplice invertito", U"Einfacher Punkt, invertiert", U"Punto simple invertido",
      U"反轉簡單網點", U"反转简单网点", U"반전 단순 점"},
     U"L10N_OPT_SCREENDOT_INVERTEDSIMPLEDOT"},
    // 486
    {{U"Double Dot", U"ダブルドット", U"Point double", U"Punto doppio", U"Doppelpunkt",
      U"Punto doble", U"雙網點", U"双网点", U"이중 점"},
     U"L10N_OPT_SCREENDOT_DOUBLEDOT"},
    // 487
    {{U"Inverted Double Dot", U"反転ダブルドット", U"Point double inversé",
      U"Punto doppio invertito", U"Doppelpunkt, invertiert", U"Punto doble invertido",
      U"反轉雙網點", U"反转双网点", U"반전 이중 점"},
     U"L10N_OPT_SCREENDOT_INVERTEDDOUBLEDOT"},
    // 488
    {{U"Cosine Dot", U"コサインドット", U"Point cosinus", U"Punto coseno", U"Kosinuspunkt",
      U"Punto coseno", U"餘弦網點", U"余弦网点", U"코사인 점"},
     U"L10N_OPT_SCREENDOT_COSINEDOT"},
    // 489
    {{U"Double", U"ダブル", U"Double", U"Doppio", U"Doppelt", U"Doble", U"雙重", U"双重", U"이중"},
     U"L10N_OPT_SCREENDOT_DOUBLE"},
    // 490
    {{U"Inverted Double", U"反転ダブル", U"Double inversé", U"Doppio invertito",
      U"Doppelt, invertiert", U"Doble invertido", U"反轉雙重", U"反转双重", U"반전 이중"},
     U"L10N_OPT_SCREENDOT_INVERTEDDOUBLE"},
    // 491
    {{U"Line", U"ライン", U"Ligne", U"Linea", U"Linie", U"Línea", U"線條", U"线条", U"선"},
     U"L10N_OPT_SCREENDOT_LINE"},
    // 492
    {{U"Line X", U"ラインX", U"Ligne X", U"Linea X", U"Linie X", U"Línea X", U"線條 X", U"线条 X",
      U"선 X"},
     U"L10N_OPT_SCREENDOT_LINEX"},
    // 493
    {{U"Line Y", U"ラインY", U"Ligne Y", U"Linea Y", U"Linie Y", U"Línea Y", U"線條 Y", U"线条 Y",
      U"선 Y"},
     U"L10N_OPT_SCREENDOT_LINEY"},
    // 494
    {{U"Round", U"円", U"Rond", U"Tondo", U"Rund", U"Redondo", U"圓形", U"圆形", U"원형"},
     U"L10N_OPT_SCREENDOT_ROUND"},
    // 495
    {{U"Ellipse", U"楕円", U"Ellipse", U"Ellisse", U"Ellipse", U"Elipse", U"橢圓", U"椭圆",
      U"타원"},
     U"L10N_OPT_SCREENDOT_ELLIPSE"},
    // 496
    {{U"Ellipse A", U"楕円A", U"Ellipse A", U"Ellisse A", U"Ellipse A", U"Elipse A", U"橢圓 A",
      U"椭圆 A", U"타원 A"},
     U"L10N_OPT_SCREENDOT_ELLIPSEA"},
    // 497
    {{U"Inverted Ellipse A", U"反転楕円A", U"Ellipse A inversée", U"Ellisse A invertita",
      U"Ellipse A, invertiert", U"Elipse A invertida", U"反轉橢圓 A", U"反转椭圆 A",
      U"반전 타원 A"},
     U"L10N_OPT_SCREENDOT_INVERTEDELLIPSEA"},
    // 498
    {{U"Ellipse B", U"楕円B", U"Ellipse B", U"Ellisse B", U"Ellipse B", U"Elipse B", U"橢圓 B",
      U"椭圆 B", U"타원 B"},
     U"L10N_OPT_SCREENDOT_ELLIPSEB"},
    // 499
    {{U"Ellipse C", U"楕円C", U"Ellipse C", U"Ellisse C", U"Ellipse C", U"Elipse C", U"橢圓 C",
      U"椭圆 C", U"타원 C"},
     U"L10N_OPT_SCREENDOT_ELLIPSEC"},
    // 500
    {{U"Inverted Ellipse C", U"反転楕円C", U"Ellipse C inversée", U"Ellisse C invertita",
      U"Ellipse C, invertiert", U"Elipse C invertida", U"反轉橢圓 C", U"反转椭圆 C",
      U"반전 타원 C"},
     U"L10N_OPT_SCREENDOT_INVERTEDELLIPSEC"},
    // 501
    {{U"Square", U"正方形", U"Carré", U"Quadrato", U"Quadrat", U"Cuadrado", U"正方形", U"正方形",
      U"정사각형"},
     U"L10N_OPT_SCREENDOT_SQUARE"},
    // 502
    {{U"Cross", U"クロス", U"Croix", U"Croce", U"Kreuz", U"Cruz", U"十字", U"十字", U"십자"},
     U"L10N_OPT_SCREENDOT_CROSS"},
    // 503
    {{U"Rhomboid", U"菱形", U"Rhomboïde", U"Romboide", U"Rhomboid", U"Romboide", U"平行四邊形",
      U"平行四边形", U"평행사변형"},
     U"L10N_OPT_SCREENDOT_RHOMBOID"},
    // 504
    {{U"Diamond", U"ダイヤモンド", U"Losange", U"Rombo", U"Raute", U"Rombo", U"菱形", U"菱形",
      U"마름모"},
     U"L10N_OPT_SCREENDOT_DIAMOND"},
    // 505
    {{U"Basic", U"基本", U"Général", U"Generale", U"Allgemein", U"General", U"基本", U"基本",
      U"기본"},
     U"L10N_MAIN_BTN_GENERIC"},
    // 506
    {{U"Imposition", U"面付け", U"Imposition", U"Imposizione", U"Ausschießen", U"Imposición",
      U"拼版", U"拼版", U"조판"},
     U"L10N_MAIN_BTN_LAYOUT"},
    // 507
    {{U"Finishing", U"仕上げ", U"Finition", U"Finitura", U"Endverarbeitung", U"Acabado", U"後處理",
      U"后处理", U"마무리"},
     U"L10N_MAIN_BTN_FINISHING"},
    // 508
    {{U"Paper", U"用紙", U"Papier", U"Carta", U"Papier", U"Papel", U"紙張", U"纸张", U"용지"},
     U"L10N_MAIN_BTN_PAPER"},
    // 509
    {{U"Paper", U"用紙", U"Papier", U"Carta", U"Papier", U"Papel", U"紙張", U"纸张", U"용지"},
     U"L10N_PAPER_GRP_PAPER"},
    // 510
    {{U"Cover", U"表紙", U"Couverture", U"Copertina", U"Deckblatt", U"Portada", U"封面", U"封面",
      U"표지"},
     U"L10N_COVER_GRP_COVER"},
    // 511
    {{U"Page Trays", U"ページ別給紙", U"Bacs par page", U"Vassoi per pagina", U"Fächer je Seite",
      U"Bandejas por página", U"指定頁面紙匣", U"指定页面纸盒", U"페이지별 용지함"},
     U"L10N_MAIN_BTN_TRAYSPPS"},
    // 512
    {{U"Page Tabs", U"ページ別タブ紙", U"Onglets par page", U"Linguette per pagina",
      U"Register je Seite", U"Pestañas por página", U"指定頁面索引紙", U"指定页面索引纸",
      U"페이지별 탭 용지"},
     U"L10N_MAIN_BTN_TABSPPS"},
    // 513
    {{U"Tab Settings", U"タブ紙設定", U"Réglages des onglets", U"Impostazioni linguetta",
      U"Registereinstellungen", U"Ajustes de pestañas", U"索引紙設定", U"索引纸设置",
      U"탭 용지 설정"},
     U"L10N_MAIN_BTN_TABSETTINGS"},
    // 514
    {{U"Tab Settings", U"タブ紙設定", U"Réglages des onglets", U"Impostazioni linguetta",
      U"Registereinstellungen", U"Ajustes de pestañas", U"索引紙設定", U"索引纸设置",
      U"탭 용지 설정"},
     U"L10N_TABSETTINGS_GRP_TABSETTINGS"},
    // 515
    {{U"Screen", U"スクリーン", U"Trame", U"Retino", U"Raster", U"Trama", U"網屏", U"网屏",
      U"스크린"},
     U"L10N_MAIN_BTN_SCREEN"},
    // 516
    {{U"Screen", U"スクリーン", U"Trame", U"Retino", U"Raster", U"Trama", U"網屏", U"网屏",
      U"스크린"},
     U"L10N_SCREEN_GRP_SCREEN"},
    // 517
    {{U"Forms", U"フォーム", U"Formulaires", U"Moduli", U"Formulare", U"Formularios", U"表單",
      U"表单", U"양식"},
     U"L10N_MAIN_BTN_FORMS"},
    // 518
    {{U"Forms", U"フォーム", U"Formulaires", U"Moduli", U"Formulare", U"Formularios", U"表單",
      U"表单", U"양식"},
     U"L10N_FORMS_GRP_FORMS"},
    // 519
    {{U"Form", U"フォーム", U"Formulaire", U"Modulo", U"Formular", U"Formulario", U"表單", U"表单",
      U"양식"},
     U"L10N_FORMS_LIST_PPSFORMS_FORM"},
    // 520
    {{U"Image Shift", U"画像シフト", U"Décalage de l’image", U"Spostamento immagine",
      U"Bildverschiebung", U"Desplazamiento de imagen", U"影像位移", U"图像偏移", U"이미지 이동"},
     U"L10N_MAIN_BTN_SHIFTING"},
    // 521
    {{U"Image Shift", U"画像シフト", U"Décalage de l’image", U"Spostamento immagine",
      U"Bildverschiebung", U"Desplazamiento de imagen", U"影像位移", U"图像偏移", U"이미지 이동"},
     U"L10N_SHIFTING_GRP_IMAGESHIFT"},
    // 522
    {{U"Post-Processing", U"後処理", U"Post-traitement", U"Post-elaborazione", U"Nachbearbeitung",
      U"Posprocesamiento", U"後續處理", U"后续处理", U"후처리"},
     U"L10N_MAIN_BTN_POSTPROCESSING"},
    // 523
    {{U"Workflow", U"ワークフロー", U"Flux de travail", U"Flusso di lavoro", U"Arbeitsablauf",
      U"Flujo de trabajo", U"工作流程", U"工作流程", U"워크플로"},
     U"L10N_MAIN_BTN_WORKFLOW"},
    // 524
    {{U"Workflow", U"ワークフロー", U"Flux de travail", U"Flusso di lavoro", U"Arbeitsablauf",
      U"Flujo de trabajo", U"工作流程", U"工作流程", U"워크플로"},
     U"L10N_WORKFLOW_GRP_WORKFLOW"},
    // 525
    {{U"Favorite Settings", U"お気に入り設定", U"Réglages favoris", U"Impostazioni preferite",
      U"Favoriten", U"Ajustes favoritos", U"我的最愛設定", U"收藏设置", U"즐겨찾기 설정"},
     U"L10N_MAIN_LBL_SETTINGS"},
    // 526
    {{U"Load", U"読み込み", U"Charger", U"Carica", U"Laden", U"Cargar", U"載入", U"载入",
      U"불러오기"},
     U"L10N_MAIN_BTN_LOADFAVORITESETTING"},
    // 527
    {{U"Load from File…", U"ファイルから読み込み…", U"Charger depuis un fichier…",
      U"Carica da file…", U"Aus Datei laden…", U"Cargar desde archivo…", U"從檔案載入…",
      U"从文件载入…", U"파일에서 불러오기…"},
     U"L10N_MAIN_BTN_LOADFROMFILE"},
    // 528
    {{U"Save…", U"保存…", U"Enregistrer…", U"Salva…", U"Sichern…", U"Guardar…", U"儲存…", U"保存…",
      U"저장…"},
     U"L10N_MAIN_BTN_SAVEFAVORITESETTING"},
    // 529
    {{U"Save for All Users", U"全ユーザー用に保存", U"Enregistrer pour tous les utilisateurs",
      U"Salva per tutti gli utenti", U"Für alle Benutzer sichern",
      U"Guardar para todos los usuarios", U"為所有使用者儲存", U"为所有用户保存",
      U"모든 사용자용으로 저장"},
     U"L10N_MAIN_BTN_SAVEFORALLUSERS"},
    // 530
    {{U"Save to File…", U"ファイルに保存…", U"Enregistrer dans un fichier…", U"Salva su file…",
      U"In Datei sichern…", U"Guardar en archivo…", U"儲存至檔案…", U"保存到文件…",
      U"파일로 저장…"},
     U"L10N_MAIN_BTN_SAVETOFILE"},
    // 531
    {{U"Settings Files", U"設定ファイル", U"Fichiers de réglages", U"File di impostazioni",
      U"Einstellungsdateien", U"Archivos de ajustes", U"設定檔", U"设置文件", U"설정 파일"},
     U"L10N_FILE_LBL_WILDCARD"},
    // 532
    {{U"Default Settings", U"初期設定", U"Réglages par défaut", U"Impostazioni predefinite",
      U"Standardeinstellungen", U"Ajustes predeterminados", U"預設設定", U"默认设置", U"기본 설정"},
     U"L10N_MAIN_FAVORITESETTINGSLIST_DEFAULT"},
    // 533
    {{U"Untitled", U"名称未設定", U"Sans titre", U"Senza titolo", U"Ohne Titel", U"Sin título",
      U"未命名", U"未命名", U"제목 없음"},
     U"L10N_MAIN_FAVORITESETTINGSLIST_UNNAMED"},
    // 534
    {{U"Language", U"言語", U"Langue", U"Lingua", U"Sprache", U"Idioma", U"語言", U"语言", U"언어"},
     U"L10N_LBL_LANGUAGE"},
    // 535
    {{U"Metric", U"メートル法", U"Métrique", U"Metrico", U"Metrisch", U"Métrico", U"公制", U"公制",
      U"미터법"},
     U"L10N_OPT_MEASUREUNIT_METRIC"},
    // 536
    {{U"U.S.", U"ヤード・ポンド法", U"Unités américaines", U"Unità USA", U"US-Maßeinheiten",
      U"Unidades de EE. UU.", U"英制", U"英制", U"야드파운드법"},
     U"L10N_OPT_MEASUREUNIT_IMPERIAL"},
    // 537
    {{U"Original Orientation", U"原稿の向き", U"Orientation de l’original",
      U"Orientamento originale", U"Originalausrichtung", U"Orientación del original", U"原稿方向",
      U"原稿方向", U"원본 방향"},
     U"L10N_LBL_ORIENTATION"},
    // 538
    {{U"Portrait", U"縦", U"Portrait", U"Verticale", U"Hochformat", U"Vertical", U"直向", U"纵向",
      U"세로"},
     U"L10N_OPT_ORIENTATION_PORT"},
    // 539
    {{U"Landscape", U"横", U"Paysage", U"Orizzontale", U"Querformat", U"Horizontal", U"橫向",
      U"横向", U"가로"},
     U"L10N_OPT_ORIENTATION_LAND"},
    // 540
    {{U"© 2026 DURVEN PALTERO", U"© 2026 DURVEN PALTERO", U"© 2026 DURVEN PALTERO",
      U"© 2026 DURVEN PALTERO", U"© 2026 DURVEN PALTERO", U"© 2026 DURVEN PALTERO",
      U"© 2026 DURVEN PALTERO", U"© 2026 DURVEN PALTERO", U"© 2026 DURVEN PALTERO"},
     U"L10N_ABOUT_LBL_COPYRIGHT"},
    // 541
    {{U"All rights reserved.", U"無断転載を禁じます。", U"Tous droits réservés.",
      U"Tutti i diritti riservati.", U"Alle Rechte vorbehalten.", U"Reservados todos los derechos.",
      U"版權所有。", U"版权所有。", U"모든 권리 보유."},
     U"L10N_ABOUT_LBL_COPYRIGHT2"},
    // 542
    {{U"https://www.durvenpaltero.example/", U"https://www.durvenpaltero.example/",
      U"https://www.durvenpaltero.example/", U"https://www.durvenpaltero.example/",
      U"https://www.durvenpaltero.example/", U"https://www.durvenpaltero.example/",
      U"https://www.durvenpaltero.example/", U"https://www.durvenpaltero.example/",
      U"https://www.durvenpaltero.example/"},
     U"L10N_ABOUT_LBL_URL"},
    // 543
    {{U"", U"", U"", U"", U"", U"", U"", U"", U""}, U"L10N_ABOUT_LBL_URL2"},
    // 544
    {{U"Finishing", U"仕上げ", U"Finition", U"Finitura", U"Endverarbeitung", U"Acabado", U"後處理",
      U"后处理", U"마무리"},
     U"L10N_FINISHING_GRP_FINISHING"},
    // 545
    {{U"Preview", U"プレビュー", U"Aperçu", U"Anteprima", U"Vorschau", U"Vista previa", U"預覽",
      U"预览", U"미리 보기"},
     U"L10N_FORMS_GRP_PREVIEW"},
    // 546
    {{U"Preview", U"プレビュー", U"Aperçu", U"Anteprima", U"Vorschau", U"Vista previa", U"預覽",
      U"预览", U"미리 보기"},
     U"L10N_FINISHING_GRP_PREVIEW"},
    // 547
    {{U"Preview", U"プレビュー", U"Aperçu", U"Anteprima", U"Vorschau", U"Vista previa", U"預覽",
      U"预览", U"미리 보기"},
     U"L10N_LAYOUT_GRP_PREVIEW"},
    // 548
    {{U"Preview", U"プレビュー", U"Aperçu", U"Anteprima", U"Vorschau", U"Vista previa", U"預覽",
      U"预览", U"미리 보기"},
     U"L10N_COVER_GRP_PREVIEW"},
    // 549
    {{U"Preview", U"プレビュー", U"Aperçu", U"Anteprima", U"Vorschau", U"Vista previa", U"預覽",
      U"预览", U"미리 보기"},
     U"L10N_SHIFTING_GRP_PREVIEW"},
    // 550
    {{U"Tab 1 Preview", U"タブ紙1 プレビュー", U"Aperçu de l’onglet 1", U"Anteprima linguetta 1",
      U"Vorschau Register 1", U"Vista previa de la pestaña 1", U"索引紙 1 預覽", U"索引纸 1 预览",
      U"탭 1 미리 보기"},
     U"L10N_TABSETTINGS_GRP_TAB1PREVIEW"},
    // 551
    {{U"Tab 2 Preview", U"タブ紙2 プレビュー", U"Aperçu de l’onglet 2", U"Anteprima linguetta 2",
      U"Vorschau Register 2", U"Vista previa de la pestaña 2", U"索引紙 2 預覽", U"索引纸 2 预览",
      U"탭 2 미리 보기"},
     U"L10N_TABSETTINGS_GRP_TAB2PREVIEW"},
    // 552
    {{U"Preview", U"プレビュー", U"Aperçu", U"Anteprima", U"Vorschau", U"Vista previa", U"預覽",
      U"预览", U"미리 보기"},
     U"L10N_OUTPUT_GRP_PREVIEW"},
    // 553
    {{U"Preview", U"プレビュー", U"Aperçu", U"Anteprima", U"Vorschau", U"Vista previa", U"預覽",
      U"预览", U"미리 보기"},
     U"L10N_FOLD_GRP_PREVIEW"},
    // 554
    {{U"Preview", U"プレビュー", U"Aperçu", U"Anteprima", U"Vorschau", U"Vista previa", U"預覽",
      U"预览", U"미리 보기"},
     U"L10N_PERFECTBINDING_GRP_PREVIEW"},
    // 555
    {{U"Imposition and Finishing", U"面付けと仕上げ", U"Imposition et finition",
      U"Imposizione e finitura", U"Ausschießen und Endverarbeitung", U"Imposición y acabado",
      U"拼版與後處理", U"拼版和后处理", U"조판 및 마무리"},
     U"L10N_FINISHING_LBL_IMPOSITIONANDFINISHING"},
    // 556
    {{U"Imposition and Finishing", U"面付けと仕上げ", U"Imposition et finition",
      U"Imposizione e finitura", U"Ausschießen und Endverarbeitung", U"Imposición y acabado",
      U"拼版與後處理", U"拼版和后处理", U"조판 및 마무리"},
     U"L10N_LAYOUT_LBL_IMPOSITIONANDFINISHING"},
    // 557
    {{U"Imposition and Finishing", U"面付けと仕上げ", U"Imposition et finition",
      U"Imposizione e finitura", U"Ausschießen und Endverarbeitung", U"Imposición y acabado",
      U"拼版與後處理", U"拼版和后处理", U"조판 및 마무리"},
     U"L10N_FOLD_LBL_IMPOSITIONANDFINISHING"},
    // 558
    {{U"Basic Settings", U"基本設定", U"Réglages généraux", U"Impostazioni generali",
      U"Allgemeine Einstellungen", U"Ajustes generales", U"基本設定", U"基本设置", U"기본 설정"},
     U"L10N_GENERIC_GRP_GENERIC"},
    // 559
    {{U"Quick Print", U"かんたん印刷", U"Impression rapide", U"Stampa rapida", U"Schnelldruck",
      U"Impresión rápida", U"快速列印", U"快速打印", U"빠른 인쇄"},
     U"L10N_GENERIC_GRP_QUICKPRINTBUTTONS"},
    // 560
    {{U"1-Sided", U"片面", U"Recto", U"Solo fronte", U"Simplex", U"A una cara", U"單面", U"单面",
      U"단면"},
     U"L10N_GENERIC_BTN_SIMPLEX"},
    // 561
    {{U"2-Sided", U"両面", U"Recto verso", U"Fronte-retro", U"Duplex", U"A doble cara", U"雙面",
      U"双面", U"양면"},
     U"L10N_GENERIC_BTN_DUPLEX"},
    // 562
    {{U"Booklet", U"小冊子", U"Livret", U"Opuscolo", U"Broschüre", U"Folleto", U"小冊子", U"小册子",
      U"소책자"},
     U"L10N_GENERIC_BTN_BOOKLET"},
    // 563
    {{U"Imposition", U"面付け", U"Imposition", U"Imposizione", U"Ausschießen", U"Imposición",
      U"拼版", U"拼版", U"조판"},
     U"L10N_LAYOUT_GRP_LAYOUT"},
    // 564
    {{U"Device Options", U"装置オプション", U"Options du périphérique", U"Opzioni dispositivo",
      U"Geräteoptionen", U"Opciones del dispositivo", U"裝置選項", U"设备选项", U"장치 옵션"},
     U"L10N_OPTIONS_GRP_DEVICE"},
    // 565
    {{U"Get Device Information", U"装置情報を取得", U"Obtenir les informations du périphérique",
      U"Recupera informazioni dispositivo", U"Geräteinformationen abrufen",
      U"Obtener información del dispositivo", U"取得裝置資訊", U"获取设备信息",
      U"장치 정보 가져오기"},
     U"L10N_OPTIONS_BTN_GATHER"},
    // 566
    {{U"Unit", U"単位", U"Unité", U"Unità", U"Einheit", U"Unidad", U"單位", U"单位", U"단위"},
     U"L10N_LBL_MEASUREUNIT"},
    // 567
    {{U"Options", U"オプション", U"Options", U"Opzioni", U"Optionen", U"Opciones", U"選項", U"选项",
      U"옵션"},
     U"L10N_MAIN_BTN_OPTIONS"},
    // 568
    {{U"Options", U"オプション", U"Options", U"Opzioni", U"Optionen", U"Opciones", U"選項", U"选项",
      U"옵션"},
     U"L10N_OPTIONS_GRP_OPTIONS"},
    // 569
    {{U"About", U"バージョン情報", U"À propos", U"Informazioni", U"Info", U"Acerca de", U"關於",
      U"关于", U"정보"},
     U"L10N_MAIN_BTN_ABOUT"},
    // 570
    {{U"Combination", U"集約", U"Combinaison", U"Combinazione", U"Kombination", U"Combinación",
      U"合併列印", U"合并打印", U"모아 찍기"},
     U"L10N_LBL_NUPCOUNT"},
    // 571
    {{U"2 in 1", U"2アップ", U"2 en 1", U"2 in 1", U"2 auf 1", U"2 en 1", U"2 合 1", U"2 合 1",
      U"2페이지 모아 찍기"},
     U"L10N_OPT_NUPCOUNT_2"},
    // 572
    {{U"4 in 1", U"4アップ", U"4 en 1", U"4 in 1", U"4 auf 1", U"4 en 1", U"4 合 1", U"4 合 1",
      U"4페이지 모아 찍기"},
     U"L10N_OPT_NUPCOUNT_4"},
    // 573
    {{U"6 in 1", U"6アップ", U"6 en 1", U"6 in 1", U"6 auf 1", U"6 en 1", U"6 合 1", U"6 合 1",
      U"6페이지 모아 찍기"},
     U"L10N_OPT_NUPCOUNT_6"},
    // 574
    {{U"8 in 1", U"8アップ", U"8 en 1", U"8 in 1", U"8 auf 1", U"8 en 1", U"8 合 1", U"8 合 1",
      U"8페이지 모아 찍기"},
     U"L10N_OPT_NUPCOUNT_8"},
    // 575
    {{U"9 in 1", U"9アップ", U"9 en 1", U"9 in 1", U"9 auf 1", U"9 en 1", U"9 合 1", U"9 合 1",
      U"9페이지 모아 찍기"},
     U"L10N_OPT_NUPCOUNT_9"},
    // 576
    {{U"16 in 1", U"16アップ", U"16 en 1", U"16 in 1", U"16 auf 1", U"16 en 1", U"16 合 1",
      U"16 合 1", U"16페이지 모아 찍기"},
     U"L10N_OPT_NUPCOUNT_16"},
    // 577
    {{U"Creep Adjustment", U"クリープ補正", U"Compensation de chasse",
      U"Compensazione dello scorrimento", U"Bundzuwachsausgleich",
      U"Compensación de desplazamiento", U"爬移調整", U"爬移调整", U"크립 조정"},
     U"L10N_LBL_CREEP"},
    // 578
    {{U"Creep Adjustment (Front/Back)", U"クリープ補正（表面/裏面）",
      U"Compensation de chasse (recto/verso)", U"Compensazione dello scorrimento (fronte/retro)",
      U"Bundzuwachsausgleich (Vorder-/Rückseite)",
      U"Compensación de desplazamiento (anverso/reverso)", U"爬移調整（正面/背面）",
      U"爬移调整（正面/背面）", U"크립 조정 (앞면/뒷면)"},
     U"L10N_LAYOUT_LBL_CREEPFRONTBACK"},
    // 579
    {{U"Page Interval", U"ページ間隔", U"Espacement des pages", U"Spaziatura pagine",
      U"Seitenabstand", U"Espacio entre páginas", U"頁面間距", U"页面间距", U"페이지 간격"},
     U"L10N_LBL_GUTTER"},
    // 580
    {{U"Page Interval (Front/Back)", U"ページ間隔（表面/裏面）",
      U"Espacement des pages (recto/verso)", U"Spaziatura pagine (fronte/retro)",
      U"Seitenabstand (Vorder-/Rückseite)", U"Espacio entre páginas (anverso/reverso)",
      U"頁面間距（正面/背面）", U"页面间距（正面/背面）", U"페이지 간격 (앞면/뒷면)"},
     U"L10N_LAYOUT_LBL_GUTTERFRONTBACK"},
    // 581
    {{U"mm", U"mm", U"mm", U"mm", U"mm", U"mm", U"mm", U"mm", U"mm"},
     U"L10N_LBL_PERFECTBINDTRIMSPINEUNIT"},
    // 582
    {{U"mm", U"mm", U"mm", U"mm", U"mm", U"mm", U"mm", U"mm", U"mm"},
     U"L10N_LBL_TABIMAGESHIFTRANGEUNIT"},
    // 583
    {{U"mm", U"mm", U"mm", U"mm", U"mm", U"mm", U"mm", U"mm", U"mm"},
     U"L10N_LBL_TAB1SPACEABOVEUNIT"},
    // 584
    {{U"mm", U"mm", U"mm", U"mm", U"mm", U"mm", U"mm", U"mm", U"mm"},
     U"L10N_LBL_TAB2SPACEABOVEUNIT"},
    // 585
    {{U"mm", U"mm", U"mm", U"mm", U"mm", U"mm", U"mm", U"mm", U"mm"}, U"L10N_LBL_TAB1HEIGHTUNIT"},
    // 586
    {{U"mm", U"mm", U"mm", U"mm", U"mm", U"mm", U"mm", U"mm", U"mm"}, U"L10N_LBL_TAB2HEIGHTUNIT"},
    // 587
    {{U"mm", U"mm", U"mm", U"mm", U"mm", U"mm", U"mm", U"mm", U"mm"},
     U"L10N_LBL_TAB1SPACEBELOWUNIT"},
    // 588
    {{U"mm", U"mm", U"mm", U"mm", U"mm", U"mm", U"mm", U"mm", U"mm"},
     U"L10N_LBL_TAB2SPACEBELOWUNIT"},
    // 589
    {{U"mm", U"mm", U"mm", U"mm", U"mm", U"mm", U"mm", U"mm", U"mm"},
     U"L10N_LBL_TAB1TEXTPOSITIONUNIT"},
    // 590
    {{U"mm", U"mm", U"mm", U"mm", U"mm", U"mm", U"mm", U"mm", U"mm"},
     U"L10N_LBL_TAB2TEXTPOSITIONUNIT"},
    // 591
    {{U"mm", U"mm", U"mm", U"mm", U"mm", U"mm", U"mm", U"mm", U"mm"}, U"L10N_POSTSCRIPT_RB_MM"},
    // 592
    {{U"mm", U"mm", U"mm", U"mm", U"mm", U"mm", U"mm", U"mm", U"mm"}, U"L10N_ADDCUSTOMSIZE_RB_MM"},
    // 593
    {{U"mm", U"mm", U"mm", U"mm", U"mm", U"mm", U"mm", U"mm", U"mm"},
     U"L10N_CUSTOMPAPER_LBL_UNITMM"},
    // 594
    {{U"mm", U"mm", U"mm", U"mm", U"mm", U"mm", U"mm", U"mm", U"mm"}, U"L10N_PAPERSIZE_TT_UNITMM"},
    // 595
    {{U"mm", U"mm", U"mm", U"mm", U"mm", U"mm", U"mm", U"mm", U"mm"}, U"L10N_PERFECT_RB_MM"},
    // 596
    {{U"inch", U"インチ", U"pouce", U"pollici", U"Zoll", U"pulgadas", U"英吋", U"英寸", U"인치"},
     U"L10N_LBL_PERFECTBINDTRIMSPINEUNITINCH"},
    // 597
    {{U"inch", U"インチ", U"pouce", U"pollici", U"Zoll", U"pulgadas", U"英吋", U"英寸", U"인치"},
     U"L10N_LBL_TABIMAGESHIFTRANGEUNITINCH"},
    // 598
    {{U"inch", U"インチ", U"pouce", U"pollici", U"Zoll", U"pulgadas", U"英吋", U"英寸", U"인치"},
     U"L10N_LBL_TAB1SPACEABOVEUNITINCH"},
    // 599
    {{U"inch", U"インチ", U"pouce", U"pollici", U"Zoll", U"pulgadas", U"英吋", U"英寸", U"인치"},
     U"L10N_LBL_TAB2SPACEABOVEUNITINCH"},
    // 600
    {{U"inch", U"インチ", U"pouce", U"pollici", U"Zoll", U"pulgadas", U"英吋", U"英寸", U"인치"},
     U"L10N_LBL_TAB1HEIGHTUNITINCH"},
    // 601
    {{U"inch", U"インチ", U"pouce", U"pollici", U"Zoll", U"pulgadas", U"英吋", U"英寸", U"인치"},
     U"L10N_LBL_TAB2HEIGHTUNITINCH"},
    // 602
    {{U"inch", U"インチ", U"pouce", U"pollici", U"Zoll", U"pulgadas", U"英吋", U"英寸", U"인치"},
     U"L10N_LBL_TAB1SPACEBELOWUNITINCH"},
    // 603
    {{U"inch", U"インチ", U"pouce", U"pollici", U"Zoll", U"pulgadas", U"英吋", U"英寸", U"인치"},
     U"L10N_LBL_TAB2SPACEBELOWUNITINCH"},
    // 604
    {{U"inch", U"インチ", U"pouce", U"pollici", U"Zoll", U"pulgadas", U"英吋", U"英寸", U"인치"},
     U"L10N_LBL_TAB1TEXTPOSITIONUNITINCH"},
    // 605
    {{U"inch", U"インチ", U"pouce", U"pollici", U"Zoll", U"pulgadas", U"英吋", U"英寸", U"인치"},
     U"L10N_LBL_TAB2TEXTPOSITIONUNITINCH"},
    // 606
    {{U"inch", U"インチ", U"pouce", U"pollici", U"Zoll", U"pulgadas", U"英吋", U"英寸", U"인치"},
     U"L10N_POSTSCRIPT_RB_INCH"},
    // 607
    {{U"inch", U"インチ", U"pouce", U"pollici", U"Zoll", U"pulgadas", U"英吋", U"英寸", U"인치"},
     U"L10N_ADDCUSTOMSIZE_RB_INCH"},
    // 608
    {{U"inch", U"インチ", U"pouce", U"pollici", U"Zoll", U"pulgadas", U"英吋", U"英寸", U"인치"},
     U"L10N_CUSTOMPAPER_LBL_UNITINCH"},
    // 609
    {{U"inch", U"インチ", U"pouce", U"pollici", U"Zoll", U"pulgadas", U"英吋", U"英寸", U"인치"},
     U"L10N_PAPERSIZE_TT_UNITINCH"},
    // 610
    {{U"inch", U"インチ", U"pouce", U"pollici", U"Zoll", U"pulgadas", U"英吋", U"英寸", U"인치"},
     U"L10N_PERFECT_RB_INCH"},
    // 611
    {{U"% [1…1000]", U"% [1…1000]", U"% [1…1000]", U"% [1…1000]", U"% [1…1000]", U"% [1…1000]",
      U"% [1…1000]", U"% [1…1000]", U"% [1…1000]"},
     U"L10N_LBL_ZOOMUNIT"},
    // 612
    {{U"Zoom", U"拡大/縮小", U"Zoom", U"Zoom", U"Zoom", U"Zoom", U"縮放", U"缩放", U"확대/축소"},
     U"L10N_LBL_ZOOM"},
    // 613
    {{U"Folding Direction", U"折り方向", U"Sens de pliage", U"Direzione di piegatura",
      U"Falzrichtung", U"Dirección de plegado", U"摺疊方向", U"折叠方向", U"접는 방향"},
     U"L10N_LBL_FOLDDIRECTION"},
    // 614
    {{U"Inside", U"内側", U"Intérieur", U"Interno", U"Innen", U"Interior", U"內側", U"内侧",
      U"안쪽"},
     U"L10N_OPT_FOLDDIRECTION_INSIDE"},
    // 615
    {{U"Inside", U"内側", U"Intérieur", U"Interno", U"Innen", U"Interior", U"內側", U"内侧",
      U"안쪽"},
     U"L10N_OPT_PRINTEDSIDEFIRST_INSIDE"},
    // 616
    {{U"Inside", U"内側", U"Intérieur", U"Interno", U"Innen", U"Interior", U"內側", U"内侧",
      U"안쪽"},
     U"L10N_OPT_PRINTEDSIDELAST_INSIDE"},
    // 617
    {{U"Outside", U"外側", U"Extérieur", U"Esterno", U"Außen", U"Exterior", U"外側", U"外侧",
      U"바깥쪽"},
     U"L10N_OPT_FOLDDIRECTION_OUTSIDE"},
    // 618
    {{U"Outside", U"外側", U"Extérieur", U"Esterno", U"Außen", U"Exterior", U"外側", U"外侧",
      U"바깥쪽"},
     U"L10N_OPT_PRINTEDSIDEFIRST_OUTSIDE"},
    // 619
    {{U"Outside", U"外側", U"Extérieur", U"Esterno", U"Außen", U"Exterior", U"外側", U"外侧",
      U"바깥쪽"},
     U"L10N_OPT_PRINTEDSIDELAST_OUTSIDE"},
    // 620
    {{U"N to 1", U"逆順出力", U"Ordre inverse", U"Ordine inverso", U"Umgekehrte Reihenfolge",
      U"Orden inverso", U"反向順序", U"反向顺序", U"역순 출력"},
     U"L10N_LBL_NTO1"},
    // 621
    {{U"Divide Output", U"出力を分割", U"Diviser la sortie", U"Dividi uscita", U"Ausgabe aufteilen",
      U"Dividir salida", U"分割輸出", U"分割输出", U"출력 나누기"},
     U"L10N_LBL_DIVIDEOUTPUT"},
    // 622
    {{U"Pages per Section", U"ページごと", U"pages par section", U"pagine per sezione",
      U"Seiten pro Abschnitt", U"páginas por sección", U"頁為一份", U"页为一份", U"페이지마다"},
     U"L10N_LBL_DIVIDEOUTPUTPAGESUNIT"},
    // 623
    {{U"Offset Output Copies", U"部ごとにオフセット", U"Décaler les copies", U"Sfalsa le copie",
      U"Kopien versetzt ausgeben", U"Desplazar copias", U"按份偏移輸出", U"按份偏移输出",
      U"부수별 오프셋 출력"},
     U"L10N_LBL_OFFSETCOPIES"},
    // 624
    {{U"Copies", U"部ごと", U"copies", U"copie", U"Kopien", U"copias", U"份", U"份", U"부마다"},
     U"L10N_LBL_OFFSETCOPIESCOUNTUNIT"},
    // 625
    {{U"Offset Output Sheets", U"枚数ごとにオフセット", U"Décaler les feuilles", U"Sfalsa i fogli",
      U"Blätter versetzt ausgeben", U"Desplazar hojas", U"按張偏移輸出", U"按张偏移输出",
      U"매수별 오프셋 출력"},
     U"L10N_LBL_OFFSETPAGES"},
    // 626
    {{U"Sheets", U"枚", U"feuilles", U"fogli", U"Blatt", U"hojas", U"張", U"张", U"매"},
     U"L10N_LBL_OFFSETPAGESCOUNTUNIT"},
    // 627
    {{U"Sort", U"ソート", U"Trier", U"Fascicola", U"Sortieren", U"Clasificar", U"分頁", U"分页",
      U"한 부씩"},
     U"L10N_OPT_COLLATE_SORT"},
    // 628
    {{U"Group", U"グループ", U"Grouper", U"Raggruppa", U"Gruppieren", U"Agrupar", U"分組", U"分组",
      U"그룹"},
     U"L10N_OPT_COLLATE_GROUP"},
    // 629
    {{U"Tone Curve", U"トーンカーブ", U"Courbe de tonalité", U"Curva tonale", U"Tonwertkurve",
      U"Curva de tonos", U"色調曲線", U"色调曲线", U"톤 곡선"},
     U"L10N_LBL_TONECURVE"},
    // 630
    {{U"Paper Name", U"用紙名", U"Nom du papier", U"Nome carta", U"Papiername", U"Nombre del papel",
      U"紙張名稱", U"纸张名称", U"용지 이름"},
     U"L10N_LBL_INPUTSLOTPAPERNAME"},
    // 631
    {{U"Paper Name", U"用紙名", U"Nom du papier", U"Nome carta", U"Papiername", U"Nombre del papel",
      U"紙張名稱", U"纸张名称", U"용지 이름"},
     U"L10N_LBL_FRONTCOVERPAPERNAME"},
    // 632
    {{U"Paper Name", U"用紙名", U"Nom du papier", U"Nome carta", U"Papiername", U"Nombre del papel",
      U"紙張名稱", U"纸张名称", U"용지 이름"},
     U"L10N_LBL_BACKCOVERPAPERNAME"},
    // 633
    {{U"Paper Name", U"用紙名", U"Nom du papier", U"Nome carta", U"Papiername", U"Nombre del papel",
      U"紙張名稱", U"纸张名称", U"용지 이름"},
     U"L10N_LBL_PERFECTBINDPAPERNAME"},
    // 634
    {{U"Paper Name", U"用紙名", U"Nom du papier", U"Nome carta", U"Papiername", U"Nombre del papel",
      U"紙張名稱", U"纸张名称", U"용지 이름"},
     U"L10N_PAPER_LIST_PAPERNAMES_PAPERNAME"},
    // 635
    {{U"Paper Name", U"用紙名", U"Nom du papier", U"Nome carta", U"Papiername", U"Nombre del papel",
      U"紙張名稱", U"纸张名称", U"용지 이름"},
     U"L10N_TRAYSPPS_LIST_PPSTRAYS_PAPERNAME"},
    // 636
    {{U"Paper Name", U"用紙名", U"Nom du papier", U"Nome carta", U"Papiername", U"Nombre del papel",
      U"紙張名稱", U"纸张名称", U"용지 이름"},
     U"L10N_PAPER_LIST_TRAYSETTINGS_PAPERNAME"},
    // 637
    {{U"Screening", U"スクリーニング", U"Tramage", U"Retinatura", U"Rasterung", U"Tramado",
      U"網屏處理", U"网屏处理", U"스크리닝"},
     U"L10N_SCREEN_GRP_SCREENING"},
    // 638
    {{U"MacOS Keychain", U"macOS キーチェーン", U"Trousseau macOS", U"Portachiavi macOS",
      U"macOS-Schlüsselbund", U"Llavero de macOS", U"macOS 鑰匙圈", U"macOS 钥匙串",
      U"macOS 키체인"},
     U"L10N_LBL_KEYCHAIN"},
    // 639
    {{U"Normalize PostScript", U"PostScript を正規化", U"Normaliser le PostScript",
      U"Normalizza PostScript", U"PostScript normalisieren", U"Normalizar PostScript",
      U"正規化 PostScript", U"规范化 PostScript", U"PostScript 정규화"},
     U"L10N_OPTIONS_CHK_NORMALIZEPOSTSCRIPT"},
    // 640
    {{U"Front Cover", U"表表紙", U"Couverture avant", U"Copertina anteriore", U"Vorderes Deckblatt",
      U"Portada delantera", U"封面", U"封面", U"앞표지"},
     U"L10N_COVER_GRP_FRONTCOVER"},
    // 641
    {{U"Back Cover", U"裏表紙", U"Couverture arrière", U"Copertina posteriore",
      U"Hinteres Deckblatt", U"Portada trasera", U"封底", U"封底", U"뒤표지"},
     U"L10N_COVER_GRP_BACKCOVER"},
    // 642
    {{U"Perfect Binding", U"無線綴じ", U"Reliure sans couture", U"Brossura", U"Klebebindung",
      U"Encuadernación sin costura", U"膠裝", U"胶装", U"무선 제본"},
     U"L10N_COVER_GRP_PERFECTBINDING"},
    // 643
    {{U"Perfect Binding Preview", U"無線綴じ プレビュー", U"Aperçu de la reliure sans couture",
      U"Anteprima brossura", U"Vorschau Klebebindung",
      U"Vista previa de encuadernación sin costura", U"膠裝預覽", U"胶装预览",
      U"무선 제본 미리 보기"},
     U"L10N_COVER_LBL_PERFECTBINDINGPREVIEW"},
    // 644
    {{U"Perfect Binding", U"無線綴じ", U"Reliure sans couture", U"Brossura", U"Klebebindung",
      U"Encuadernación sin costura", U"膠裝", U"胶装", U"무선 제본"},
     U"L10N_PERFECTBINDING_GRP_PERFECTBINDING"},
    // 645
    {{U"Perfect Binding Preview", U"無線綴じ プレビュー", U"Aperçu de la reliure sans couture",
      U"Anteprima brossura", U"Vorschau Klebebindung",
      U"Vista previa de encuadernación sin costura", U"膠裝預覽", U"胶装预览",
      U"무선 제본 미리 보기"},
     U"L10N_PERFECTBINDING_LBL_PERFECTBINDINGPREVIEW"},
    // 646
    {{U"Banner Tray", U"バナーページトレイ", U"Bac de page de garde",
      U"Vassoio pagina di intestazione", U"Fach für Bannerseite", U"Bandeja de página de cabecera",
      U"橫幅頁紙匣", U"横幅页纸盒", U"배너 페이지 용지함"},
     U"L10N_LBL_HEADERPAGE"},
    // 647
    {{U"Sheets", U"枚", U"feuilles", U"fogli", U"Blatt", U"hojas", U"張", U"张", U"매"},
     U"L10N_LBL_PIFRONTSHEETSUNIT"},
    // 648
    {{U"Sheets", U"枚", U"feuilles", U"fogli", U"Blatt", U"hojas", U"張", U"张", U"매"},
     U"L10N_LBL_PIBACKSHEETSUNIT"},
    // 649
    {{U"Cover Print Mode", U"表紙印刷モード", U"Mode d’impression de la couverture",
      U"Modalità di stampa copertina", U"Deckblattdruckmodus", U"Modo de impresión de portada",
      U"封面列印模式", U"封面打印模式", U"표지 인쇄 모드"},
     U"L10N_LBL_PERFECTBINDMODE"},
    // 650
    {{U"Cover Blank", U"表紙印刷なし", U"Couverture vierge", U"Copertina vuota",
      U"Deckblatt unbedruckt", U"Portada en blanco", U"空白封面", U"空白封面", U"빈 표지"},
     U"L10N_OPT_PERFECTBINDMODE_BLANK"},
    // 651
    {{U"Cover Print 1 in 1 (Portrait Cover)", U"表紙印刷 1アップ（縦表紙）",
      U"Couverture imprimée 1 en 1 (portrait)", U"Copertina stampata 1 in 1 (verticale)",
      U"Deckblattdruck 1 auf 1 (Hochformat)", U"Portada impresa 1 en 1 (vertical)",
      U"封面列印 1 合 1（直向封面）", U"封面打印 1 合 1（纵向封面）",
      U"표지 인쇄 1페이지 (세로 표지)"},
     U"L10N_OPT_PERFECTBINDMODE_1IN1PORTRAIT"},
    // 652
    {{U"Cover Print 1 in 1 (Landscape Cover)", U"表紙印刷 1アップ（横表紙）",
      U"Couverture imprimée 1 en 1 (paysage)", U"Copertina stampata 1 in 1 (orizzontale)",
      U"Deckblattdruck 1 auf 1 (Querformat)", U"Portada impresa 1 en 1 (horizontal)",
      U"封面列印 1 合 1（橫向封面）", U"封面打印 1 合 1（横向封面）",
      U"표지 인쇄 1페이지 (가로 표지)"},
     U"L10N_OPT_PERFECTBINDMODE_1IN1LANDSCAPE"},
    // 653
    {{U"Cover Print 2 in 1", U"表紙印刷 2アップ", U"Couverture imprimée 2 en 1",
      U"Copertina stampata 2 in 1", U"Deckblattdruck 2 auf 1", U"Portada impresa 2 en 1",
      U"封面列印 2 合 1", U"封面打印 2 合 1", U"표지 인쇄 2페이지 모아 찍기"},
     U"L10N_OPT_PERFECTBINDMODE_2IN1"},
    // 654
    {{U"Cover Print 3 in 1", U"表紙印刷 3アップ", U"Couverture imprimée 3 en 1",
      U"Copertina stampata 3 in 1", U"Deckblattdruck 3 auf 1", U"Portada impresa 3 en 1",
      U"封面列印 3 合 1", U"封面打印 3 合 1", U"표지 인쇄 3페이지 모아 찍기"},
     U"L10N_OPT_PERFECTBINDMODE_3IN1"},
    // 655
    {{U"Cover Trim", U"表紙断裁", U"Rognage de la couverture", U"Rifilatura copertina",
      U"Deckblattbeschnitt", U"Recorte de portada", U"封面裁切", U"封面裁切", U"표지 재단"},
     U"L10N_LBL_PERFECTBINDTRIM"},
    // 656
    {{U"Spine Width", U"背幅", U"Largeur du dos", U"Larghezza dorso", U"Rückenbreite",
      U"Ancho del lomo", U"書脊寬度", U"书脊宽度", U"책등 너비"},
     U"L10N_LBL_PERFECTBINDTRIMSPINE"},
    // 657
    {{U"Cover 2-Sided", U"表紙両面", U"Couverture recto verso", U"Copertina fronte-retro",
      U"Deckblatt duplex", U"Portada a doble cara", U"封面雙面", U"封面双面", U"표지 양면"},
     U"L10N_LBL_PERFECTBINDDUPLEX"},
    // 658
    {{U"PB Cover Tray", U"PB表紙トレイ", U"Bac de couverture PB", U"Vassoio copertina PB",
      U"PB-Deckblattfach", U"Bandeja de portada PB", U"PB 封面紙匣", U"PB 封面纸盒",
      U"PB 표지 용지함"},
     U"L10N_OPT_PERFECTBINDTRAY_PBTRAY"},
    // 659
    {{U"Cover Preview", U"表紙プレビュー", U"Aperçu de la couverture", U"Anteprima copertina",
      U"Deckblattvorschau", U"Vista previa de portada", U"封面預覽", U"封面预览",
      U"표지 미리 보기"},
     U"L10N_COVER_LBL_COVERPREVIEW"},
    // 660
    {{U"Cover 2-Side Slitting", U"表紙2辺スリット", U"Refente 2 côtés de la couverture",
      U"Taglio longitudinale su 2 lati della copertina", U"Deckblatt-Längsschnitt 2-seitig",
      U"Corte longitudinal en 2 lados de la portada", U"封面雙邊分切", U"封面双边分切",
      U"표지 양면 슬리팅"},
     U"L10N_LBL_PERFECTBINDSLIT"},
    // 661
    {{U"Cover Crease", U"表紙筋入れ", U"Rainage de la couverture", U"Cordonatura copertina",
      U"Deckblattrillen", U"Hendido de portada", U"封面壓痕", U"封面压痕", U"표지 크리스"},
     U"L10N_LBL_PERFECTBINDCREASE"},
    // 662
    {{U"Spine", U"背", U"Dos", U"Dorso", U"Buchrücken", U"Lomo", U"書脊", U"书脊", U"책등"},
     U"L10N_OPT_PERFECTBINDCREASE_SPINE"},
    // 663
    {{U"Gutter", U"ノド", U"Petit fond", U"Margine interno", U"Bund", U"Medianil", U"裝訂邊",
      U"装订边", U"제본 여백"},
     U"L10N_OPT_PERFECTBINDCREASE_GUTTER"},
    // 664
    {{U"Spine + Gutter", U"背 + ノド", U"Dos + petit fond", U"Dorso + margine interno",
      U"Buchrücken + Bund", U"Lomo + medianil", U"書脊 + 裝訂邊", U"书脊 + 装订边",
      U"책등 + 제본 여백"},
     U"L10N_OPT_PERFECTBINDCREASE_BOTH"},
    // 665
    {{U"Right", U"右", U"Droite", U"Destra", U"Rechts", U"Derecha", U"右", U"右", U"오른쪽"},
     U"L10N_LBL_HORIZONTALSHIFT"},
    // 666
    {{U"Bottom", U"下", U"Bas", U"Basso", U"Unten", U"Abajo", U"下", U"下", U"아래쪽"},
     U"L10N_LBL_VERTICALSHIFT"},
    // 667
    {{U"Right (Back Side)", U"右（裏面）", U"Droite (verso)", U"Destra (retro)",
      U"Rechts (Rückseite)", U"Derecha (reverso)", U"右（背面）", U"右（背面）", U"오른쪽(뒷면)"},
     U"L10N_LBL_HORIZONTALSHIFTBACK"},
    // 668
    {{U"Bottom (Back Side)", U"下（裏面）", U"Bas (verso)", U"Basso (retro)", U"Unten (Rückseite)",
      U"Abajo (reverso)", U"下（背面）", U"下（背面）", U"아래쪽(뒷면)"},
     U"L10N_LBL_VERTICALSHIFTBACK"},
    // 669
    {{U"Forms Print Mode", U"フォーム印刷モード", U"Mode d'impression des formulaires",
      U"Modalità di stampa moduli", U"Formulardruckmodus", U"Modo de impresión de formularios",
      U"表單列印模式", U"表单打印模式", U"양식 인쇄 모드"},
     U"L10N_LBL_FORMPRINTPATTERN"},
    // 670
    {{U"Repeated", U"繰り返し", U"Répété", U"Ripetuto", U"Wiederholt", U"Repetido", U"重複",
      U"重复", U"반복"},
     U"L10N_OPT_FORMPRINTPATTERN_REPEATED"},
    // 671
    {{U"Once", U"1回のみ", U"Une fois", U"Una volta", U"Einmal", U"Una vez", U"一次", U"一次",
      U"한 번"},
     U"L10N_OPT_FORMPRINTPATTERN_ONCE"},
    // 672
    {{U"Form", U"フォーム", U"Formulaire", U"Modulo", U"Formular", U"Formulario", U"表單", U"表单",
      U"양식"},
     U"L10N_LBL_JOBFORM"},
    // 673
    {{U"Prepend", U"前に追加", U"Ajouter au début", U"Aggiungi all'inizio", U"Voranstellen",
      U"Anteponer", U"加在前面", U"添加到前面", U"앞에 추가"},
     U"L10N_LBL_PREPEND"},
    // 674
    {{U"Append", U"後ろに追加", U"Ajouter à la fin", U"Aggiungi alla fine", U"Anhängen", U"Anexar",
      U"加在後面", U"添加到后面", U"뒤에 추가"},
     U"L10N_LBL_APPEND"},
    // 675
    {{U"Copy to Clipboard", U"クリップボードにコピー", U"Copier dans le presse-papiers",
      U"Copia negli appunti", U"In Zwischenablage kopieren", U"Copiar al portapapeles",
      U"複製到剪貼簿", U"复制到剪贴板", U"클립보드에 복사"},
     U"L10N_FORMS_BTN_COPYTOCLIPBOARD"},
    // 676
    {{U"Secure Print", U"セキュリティー印刷", U"Impression sécurisée", U"Stampa protetta",
      U"Sicherer Druck", U"Impresión segura", U"安全列印", U"安全打印", U"보안 인쇄"},
     U"L10N_OPT_WAITMODE_SECUREPRINT"},
    // 677
    {{U"Delete Form", U"フォームを削除", U"Supprimer le formulaire", U"Elimina modulo",
      U"Formular löschen", U"Eliminar formulario", U"刪除表單", U"删除表单", U"양식 삭제"},
     U"L10N_FORMS_BTN_DELETEFORM"},
    // 678
    {{U"Current Page Number", U"現在のページ番号", U"Numéro de la page actuelle",
      U"Numero pagina corrente", U"Aktuelle Seitennummer", U"Número de página actual", U"目前頁碼",
      U"当前页码", U"현재 페이지 번호"},
     U"L10N_FORMS_LBL_CURRENTPAGENUMBER"},
    // 679
    {{U"Page", U"ページ", U"N° de page", U"Pagina", U"Seite", U"Página", U"頁面", U"页面",
      U"페이지"},
     U"L10N_TABSPPS_LBL_PAGE"},
    // 680
    {{U"Number of Pages", U"ページ数", U"Nombre de pages", U"Numero di pagine", U"Seitenanzahl",
      U"Número de páginas", U"頁數", U"页数", U"페이지 수"},
     U"L10N_FORMS_LBL_PAGECOUNT"},
    // 681
    {{U"Sections", U"セクション", U"Sections", U"Sezioni", U"Abschnitte", U"Secciones", U"區段",
      U"分节", U"섹션"},
     U"L10N_TABSPPS_LBL_SECTIONS"},
    // 682
    {{U"Current Page Size", U"現在の原稿サイズ", U"Format de page actuel",
      U"Formato pagina corrente", U"Aktuelles Seitenformat", U"Tamaño de página actual",
      U"目前頁面尺寸", U"当前页面尺寸", U"현재 페이지 크기"},
     U"L10N_FORMS_LBL_CURRENTPAGESIZE"},
    // 683
    {{U"Per-Page Form Settings", U"ページ単位のフォーム設定", U"Paramètres de formulaire par page",
      U"Impostazioni moduli per pagina", U"Seitenspezifische Formulareinstellungen",
      U"Configuración de formularios por página", U"個別頁面表單設定", U"单独页面表单设置",
      U"페이지별 양식 설정"},
     U"L10N_FORMS_GRP_FORMSPERPAGESETTINGS"},
    // 684
    {{U"Select pages in the list and choose the form to print on them.",
      U"リストでページを選択し、そのページに印刷するフォームを選択してください。",
      U"Sélectionnez des pages dans la liste et choisissez le formulaire à imprimer sur celles-ci.",
      U"Selezionare le pagine nell'elenco e scegliere il modulo da stampare su di esse.",
      U"Wählen Sie Seiten in der Liste aus und legen Sie das Formular fest, das darauf gedruckt "
      U"wird.",
      U"Seleccione páginas en la lista y elija el formulario que se imprimirá en ellas.",
      U"在清單中選取頁面，然後選擇要在這些頁面上列印的表單。",
      U"在列表中选择页面，然后选择要在这些页面上打印的表单。",
      U"목록에서 페이지를 선택한 다음 해당 페이지에 인쇄할 양식을 선택하십시오."},
     U"L10N_FORMS_HINT_FORMSPERPAGESETTINGS"},
    // 685
    {{U"Get from Printer", U"プリンターから取得", U"Obtenir de l'imprimante",
      U"Ottieni dalla stampante", U"Vom Drucker abrufen", U"Obtener de la impresora",
      U"從印表機取得", U"从打印机获取", U"프린터에서 가져오기"},
     U"L10N_PAPER_BTN_GATHER"},
    // 686
    {{U"Post-Processing", U"後処理", U"Post-traitement", U"Post-elaborazione", U"Nachbearbeitung",
      U"Posprocesamiento", U"後續處理", U"后续处理", U"후처리"},
     U"L10N_POSTPROCESSING_GRP_POSTPROCESSING"},
    // 687
    {{U"Page Number", U"ページ番号", U"Numéro de page", U"Numero di pagina", U"Seitennummer",
      U"Número de página", U"頁碼", U"页码", U"페이지 번호"},
     U"L10N_LBL_PAGENUMBERINGMODE"},
    // 688
    {{U"Starting Page", U"開始ページ", U"Page de début", U"Pagina iniziale", U"Startseite",
      U"Página inicial", U"起始頁", U"起始页", U"시작 페이지"},
     U"L10N_LBL_PAGENUMBERINGSTARTPAGE"},
    // 689
    {{U"Starting Page Number", U"開始ページ番号", U"Numéro de la première page",
      U"Numero pagina iniziale", U"Startseitennummer", U"Número de página inicial", U"起始頁碼",
      U"起始页码", U"시작 페이지 번호"},
     U"L10N_LBL_PAGENUMBERINGSTARTINGNUMBER"},
    // 690
    {{U"Starting Number", U"開始番号", U"Numéro de début", U"Numero iniziale", U"Startnummer",
      U"Número inicial", U"起始編號", U"起始编号", U"시작 번호"},
     U"L10N_LBL_SETNUMBERINGSTARTINGNUMBER"},
    // 691
    {{U"Numbering", U"ナンバリング", U"Numérotation", U"Numerazione", U"Nummerierung",
      U"Numeración", U"編號", U"编号", U"번호 매기기"},
     U"L10N_LBL_SETNUMBERINGMODE"},
    // 692
    {{U"Send E-Mail", U"Eメール送信", U"Envoyer un e-mail", U"Invia e-mail", U"E-Mail senden",
      U"Enviar correo electrónico", U"傳送電子郵件", U"发送电子邮件", U"이메일 보내기"},
     U"L10N_LBL_SENDEMAIL"},
    // 693
    {{U"to", U"宛先", U"à", U"a", U"an", U"para", U"收件者", U"收件人", U"받는 사람"},
     U"L10N_LBL_SENDEMAILADDRESS"},
    // 694
    {{U"User Authentication", U"ユーザー認証", U"Authentification utilisateur",
      U"Autenticazione utente", U"Benutzerauthentifizierung", U"Autenticación de usuario",
      U"使用者驗證", U"用户认证", U"사용자 인증"},
     U"L10N_LBL_USERAUTHENTICATION"},
    // 695
    {{U"User Name", U"ユーザー名", U"Nom d'utilisateur", U"Nome utente", U"Benutzername",
      U"Nombre de usuario", U"使用者名稱", U"用户名", U"사용자 이름"},
     U"L10N_LBL_USERAUTHENTICATIONUSERNAME"},
    // 696
    {{U"Confirm Password", U"パスワード（確認）", U"Confirmer le mot de passe",
      U"Conferma password", U"Kennwort bestätigen", U"Confirmar contraseña", U"確認密碼",
      U"确认密码", U"암호 확인"},
     U"L10N_LBL_USERAUTHENTICATIONPASSWORDAGAIN"},
    // 697
    {{U"Confirm Password", U"パスワード（確認）", U"Confirmer le mot de passe",
      U"Conferma password", U"Kennwort bestätigen", U"Confirmar contraseña", U"確認密碼",
      U"确认密码", U"암호 확인"},
     U"L10N_LBL_ACCOUNTTRACKPASSWORDAGAIN"},
    // 698
    {{U"Confirm Password", U"パスワード（確認）", U"Confirmer le mot de passe",
      U"Conferma password", U"Kennwort bestätigen", U"Confirmar contraseña", U"確認密碼",
      U"确认密码", U"암호 확인"},
     U"L10N_LBL_WAITMODEPASSWORDAGAIN"},
    // 699
    {{U"Confirm Auth-Password", U"認証パスワード（確認）",
      U"Confirmer le mot de passe d'authentification", U"Conferma password di autenticazione",
      U"Authentifizierungskennwort bestätigen", U"Confirmar contraseña de autenticación",
      U"確認驗證密碼", U"确认认证密码", U"인증 암호 확인"},
     U"L10N_LBL_SNMPV3READUSERAUTHPWAGAIN"},
    // 700
    {{U"Confirm Priv-Password", U"暗号化パスワード（確認）",
      U"Confirmer le mot de passe de confidentialité", U"Conferma password di privacy",
      U"Verschlüsselungskennwort bestätigen", U"Confirmar contraseña de privacidad",
      U"確認加密密碼", U"确认加密密码", U"암호화 암호 확인"},
     U"L10N_LBL_SNMPV3READUSERPRIVPWAGAIN"},
    // 701
    {{U"Confirm Read Community Name", U"読み取りコミュニティー名（確認）",
      U"Confirmer le nom de communauté en lecture", U"Conferma nome comunità di lettura",
      U"Lese-Community-Name bestätigen", U"Confirmar nombre de comunidad de lectura",
      U"確認讀取社群名稱", U"确认读取团体名", U"읽기 커뮤니티 이름 확인"},
     U"L10N_LBL_SNMPV12READCOMMUNITYNAMEAGAIN"},
    // 702
    {{U"Confirm Password", U"パスワード（確認）", U"Confirmer le mot de passe",
      U"Conferma password", U"Kennwort bestätigen", U"Confirmar contraseña", U"確認密碼",
      U"确认密码", U"암호 확인"},
     U"L10N_LBL_OPENAPIPASSWORDAGAIN"},
    // 703
    {{U"Confirm Password", U"パスワード（確認）", U"Confirmer le mot de passe",
      U"Conferma password", U"Kennwort bestätigen", U"Confirmar contraseña", U"確認密碼",
      U"确认密码", U"암호 확인"},
     U"L10N_LBL_PDFPASSWORDAGAIN"},
    // 704
    {{U"Password", U"パスワード", U"Mot de passe", U"Password", U"Kennwort", U"Contraseña", U"密碼",
      U"密码", U"암호"},
     U"L10N_FORMS_LBL_PASSWORD"},
    // 705
    {{U"Password", U"パスワード", U"Mot de passe", U"Password", U"Kennwort", U"Contraseña", U"密碼",
      U"密码", U"암호"},
     U"L10N_LBL_USERAUTHENTICATIONPASSWORD"},
    // 706
    {{U"Password", U"パスワード", U"Mot de passe", U"Password", U"Kennwort", U"Contraseña", U"密碼",
      U"密码", U"암호"},
     U"L10N_LBL_ACCOUNTTRACKPASSWORD"},
    // 707
    {{U"Password", U"パスワード", U"Mot de passe", U"Password", U"Kennwort", U"Contraseña", U"密碼",
      U"密码", U"암호"},
     U"L10N_LBL_WAITMODEPASSWORD"},
    // 708
    {{U"Password", U"パスワード", U"Mot de passe", U"Password", U"Kennwort", U"Contraseña", U"密碼",
      U"密码", U"암호"},
     U"L10N_LBL_PDFPASSWORD"},
    // 709
    {{U"Account Track", U"部門管理", U"Suivi de compte", U"Traccia account", U"Kostenstelle",
      U"Seguimiento de cuenta", U"帳號追蹤", U"账户跟踪", U"계정 추적"},
     U"L10N_LBL_ACCOUNTTRACK"},
    // 710
    {{U"Account Name", U"部門名", U"Nom du compte", U"Nome account", U"Kostenstellenname",
      U"Nombre de cuenta", U"帳號名稱", U"账户名称", U"계정 이름"},
     U"L10N_LBL_ACCOUNTTRACKDEPARTMENTNAME"},
    // 711
    {{U"File Name", U"ファイル名", U"Nom du fichier", U"Nome file", U"Dateiname",
      U"Nombre de archivo", U"檔案名稱", U"文件名", U"파일 이름"},
     U"L10N_LBL_OUTPUTMETHODFILENAME"},
    // 712
    {{U"Page-Specific Settings", U"ページ単位設定", U"Paramètres par page",
      U"Impostazioni per pagina", U"Seitenspezifische Einstellungen", U"Configuración por página",
      U"個別頁面設定", U"单独页面设置", U"페이지별 설정"},
     U"L10N_TRAYSPPS_GRP_PAGESPECIFICOPTIONS"},
    // 713
    {{U"Page Exceptions", U"ページ例外設定", U"Exceptions de pages", U"Eccezioni di pagina",
      U"Seitenausnahmen", U"Excepciones de página", U"頁面例外", U"页面例外", U"페이지 예외"},
     U"L10N_LBL_PAGESPECIFICTRAYS"},
    // 714
    {{U"Tab Paper 1", U"タブ紙1", U"Papier à onglets 1", U"Carta a linguetta 1",
      U"Registerpapier 1", U"Papel con pestañas 1", U"索引紙 1", U"索引纸 1", U"탭 용지 1"},
     U"L10N_TABSETTINGS_PNL_TAB1PANEL"},
    // 715
    {{U"Tab 1", U"タブ1", U"Onglet 1", U"Linguetta 1", U"Register 1", U"Pestaña 1", U"索引標籤 1",
      U"索引标签 1", U"탭 1"},
     U"L10N_TABSPPS_LBL_TAB1"},
    // 716
    {{U"Tab 1", U"タブ1", U"Onglet 1", U"Linguetta 1", U"Register 1", U"Pestaña 1", U"索引標籤 1",
      U"索引标签 1", U"탭 1"},
     U"L10N_OPT_TPPSTABTYPE_TAB1"},
    // 717
    {{U"Tab Paper 2", U"タブ紙2", U"Papier à onglets 2", U"Carta a linguetta 2",
      U"Registerpapier 2", U"Papel con pestañas 2", U"索引紙 2", U"索引纸 2", U"탭 용지 2"},
     U"L10N_TABSETTINGS_PNL_TAB2PANEL"},
    // 718
    {{U"Tab 2", U"タブ2", U"Onglet 2", U"Linguetta 2", U"Register 2", U"Pestaña 2", U"索引標籤 2",
      U"索引标签 2", U"탭 2"},
     U"L10N_TABSPPS_LBL_TAB2"},
    // 719
    {{U"Tab 2", U"タブ2", U"Onglet 2", U"Linguetta 2", U"Register 2", U"Pestaña 2", U"索引標籤 2",
      U"索引标签 2", U"탭 2"},
     U"L10N_OPT_TPPSTABTYPE_TAB2"},
    // 720
    {{U"Print on Tab", U"タブに印刷", U"Imprimer sur l'onglet", U"Stampa sulla linguetta",
      U"Auf Register drucken", U"Imprimir en la pestaña", U"列印在索引標籤上", U"打印在索引标签上",
      U"탭에 인쇄"},
     U"L10N_OPT_TPPSPAGEMODE_TAB"},
    // 721
    {{U"Print Mode", U"印刷モード", U"Mode d'impression", U"Modalità di stampa", U"Druckmodus",
      U"Modo de impresión", U"列印模式", U"打印模式", U"인쇄 모드"},
     U"L10N_LBL_PAGEMODE"},
    // 722
    {{U"Insert", U"挿入", U"Insertion", U"Inserimento", U"Einfügen", U"Insertar", U"插入", U"插入",
      U"삽입"},
     U"L10N_LBL_INSERT"},
    // 723
    {{U"Insertions", U"挿入枚数", U"Nombre d'insertions", U"Numero di inserimenti",
      U"Anzahl Einfügungen", U"Número de inserciones", U"插入張數", U"插入张数", U"삽입 매수"},
     U"L10N_LBL_INSERTIONS"},
    // 724
    {{U"Tab Type", U"タブ種類", U"Type d'onglet", U"Tipo di linguetta", U"Registertyp",
      U"Tipo de pestaña", U"索引標籤類型", U"索引标签类型", U"탭 종류"},
     U"L10N_LBL_TABTYPE"},
    // 725
    {{U"Vertical Position", U"縦位置", U"Position verticale", U"Posizione verticale",
      U"Vertikale Position", U"Posición vertical", U"垂直位置", U"垂直位置", U"세로 위치"},
     U"L10N_LBL_TAB1POSITION"},
    // 726
    {{U"Vertical Position", U"縦位置", U"Position verticale", U"Posizione verticale",
      U"Vertikale Position", U"Posición vertical", U"垂直位置", U"垂直位置", U"세로 위치"},
     U"L10N_LBL_TAB2POSITION"},
    // 727
    {{U"Text on Tab", U"タブの文字", U"Texte de l'onglet", U"Testo sulla linguetta",
      U"Registertext", U"Texto de la pestaña", U"索引標籤文字", U"索引标签文字", U"탭 텍스트"},
     U"L10N_LBL_TABTEXT"},
    // 728
    {{U"Delete", U"削除", U"Supprimer", U"Elimina", U"Löschen", U"Eliminar", U"刪除", U"删除",
      U"삭제"},
     U"L10N_TABSPPS_BTN_DELETE"},
    // 729
    {{U"Before", U"前", U"Avant", U"Prima", U"Vor", U"Antes", U"之前", U"之前", U"앞"},
     U"L10N_OPT_TPPSINSERT_BEFORE"},
    // 730
    {{U"After", U"後", U"Après", U"Dopo", U"Nach", U"Después", U"之後", U"之后", U"뒤"},
     U"L10N_OPT_TPPSINSERT_AFTER"},
    // 731
    {{U"Other than 1st Page", U"1ページ目以外", U"Sauf la 1re page", U"Tranne la 1a pagina",
      U"Außer 1. Seite", U"Excepto la 1.ª página", U"第 1 頁以外", U"第 1 页以外",
      U"첫 페이지 제외"},
     U"L10N_OPT_PAGENUMBERINGMODE_NOTFRONTCOVER"},
    // 732
    {{U"Other than 1st/Last Page", U"最初と最後のページ以外", U"Sauf la 1re et la dernière page",
      U"Tranne la prima e l'ultima pagina", U"Außer erster/letzter Seite",
      U"Excepto la primera y la última página", U"第一頁與最後一頁以外", U"第一页和最后一页以外",
      U"첫 페이지/마지막 페이지 제외"},
     U"L10N_OPT_PAGENUMBERINGMODE_NOTFRONTBACKCOVER"},
    // 733
    {{U"Paper Tray", U"給紙トレイ", U"Bac papier", U"Vassoio carta", U"Papierfach",
      U"Bandeja de papel", U"紙匣", U"纸盒", U"용지함"},
     U"L10N_LBL_TAB1TRAY"},
    // 734
    {{U"Paper Tray", U"給紙トレイ", U"Bac papier", U"Vassoio carta", U"Papierfach",
      U"Bandeja de papel", U"紙匣", U"纸盒", U"용지함"},
     U"L10N_LBL_TAB2TRAY"},
    // 735
    {{U"Number of Tabs", U"タブ数", U"Nombre d'onglets", U"Numero di linguette", U"Anzahl Register",
      U"Número de pestañas", U"索引標籤數", U"索引标签数", U"탭 수"},
     U"L10N_LBL_TAB1NUMOFTABS"},
    // 736
    {{U"Number of Tabs", U"タブ数", U"Nombre d'onglets", U"Numero di linguette", U"Anzahl Register",
      U"Número de pestañas", U"索引標籤數", U"索引标签数", U"탭 수"},
     U"L10N_LBL_TAB2NUMOFTABS"},
    // 737
    {{U"Tab Image Shift", U"タブ画像シフト", U"Décalage de l'image sur l'onglet",
      U"Spostamento immagine linguetta", U"Registerbildverschiebung",
      U"Desplazamiento de imagen en pestaña", U"索引標籤影像位移", U"索引标签图像偏移",
      U"탭 이미지 이동"},
     U"L10N_LBL_TABIMAGESHIFT"},
    // 738
    {{U"Font Name", U"フォント名", U"Nom de la police", U"Nome del font", U"Schriftname",
      U"Nombre de fuente", U"字型名稱", U"字体名称", U"글꼴 이름"},
     U"L10N_LBL_TAB1FONTNAME"},
    // 739
    {{U"Font Name", U"フォント名", U"Nom de la police", U"Nome del font", U"Schriftname",
      U"Nombre de fuente", U"字型名稱", U"字体名称", U"글꼴 이름"},
     U"L10N_LBL_TAB2FONTNAME"},
    // 740
    {{U"pt", U"pt", U"pt", U"pt", U"pt", U"pt", U"pt", U"pt", U"pt"}, U"L10N_LBL_TAB1FONTSIZEUNIT"},
    // 741
    {{U"pt", U"pt", U"pt", U"pt", U"pt", U"pt", U"pt", U"pt", U"pt"}, U"L10N_LBL_TAB2FONTSIZEUNIT"},
    // 742
    {{U"Font Style", U"フォントスタイル", U"Style de police", U"Stile del font", U"Schriftstil",
      U"Estilo de fuente", U"字型樣式", U"字体样式", U"글꼴 스타일"},
     U"L10N_TABSETTINGS_LBL_TAB1FONTSTYLE"},
    // 743
    {{U"Font Style", U"フォントスタイル", U"Style de police", U"Stile del font", U"Schriftstil",
      U"Estilo de fuente", U"字型樣式", U"字体样式", U"글꼴 스타일"},
     U"L10N_TABSETTINGS_LBL_TAB2FONTSTYLE"},
    // 744
    {{U"Bold", U"太字", U"Gras", U"Grassetto", U"Fett", U"Negrita", U"粗體", U"粗体", U"굵게"},
     U"L10N_LBL_TAB1FONTBOLD"},
    // 745
    {{U"Bold", U"太字", U"Gras", U"Grassetto", U"Fett", U"Negrita", U"粗體", U"粗体", U"굵게"},
     U"L10N_LBL_TAB2FONTBOLD"},
    // 746
    {{U"Italic", U"斜体", U"Italique", U"Corsivo", U"Kursiv", U"Cursiva", U"斜體", U"斜体",
      U"기울임꼴"},
     U"L10N_LBL_TAB1FONTITALIC"},
    // 747
    {{U"Italic", U"斜体", U"Italique", U"Corsivo", U"Kursiv", U"Cursiva", U"斜體", U"斜体",
      U"기울임꼴"},
     U"L10N_LBL_TAB2FONTITALIC"},
    // 748
    {{U"Line Spacing", U"行間", U"Interligne", U"Interlinea", U"Zeilenabstand", U"Interlineado",
      U"行距", U"行距", U"줄 간격"},
     U"L10N_LBL_TAB1LINESPACING"},
    // 749
    {{U"Line Spacing", U"行間", U"Interligne", U"Interlinea", U"Zeilenabstand", U"Interlineado",
      U"行距", U"行距", U"줄 간격"},
     U"L10N_LBL_TAB2LINESPACING"},
    // 750
    {{U"Space Above", U"上の間隔", U"Espace au-dessus", U"Spazio sopra", U"Abstand oben",
      U"Espacio superior", U"上方間距", U"上方间距", U"위쪽 간격"},
     U"L10N_LBL_TAB1SPACEABOVE"},
    // 751
    {{U"Space Above", U"上の間隔", U"Espace au-dessus", U"Spazio sopra", U"Abstand oben",
      U"Espacio superior", U"上方間距", U"上方间距", U"위쪽 간격"},
     U"L10N_LBL_TAB2SPACEABOVE"},
    // 752
    {{U"Tab Height", U"タブの高さ", U"Hauteur de l'onglet", U"Altezza linguetta", U"Registerhöhe",
      U"Altura de la pestaña", U"索引標籤高度", U"索引标签高度", U"탭 높이"},
     U"L10N_LBL_TAB1HEIGHT"},
    // 753
    {{U"Tab Height", U"タブの高さ", U"Hauteur de l'onglet", U"Altezza linguetta", U"Registerhöhe",
      U"Altura de la pestaña", U"索引標籤高度", U"索引标签高度", U"탭 높이"},
     U"L10N_LBL_TAB2HEIGHT"},
    // 754
    {{U"Space Below", U"下の間隔", U"Espace au-dessous", U"Spazio sotto", U"Abstand unten",
      U"Espacio inferior", U"下方間距", U"下方间距", U"아래쪽 간격"},
     U"L10N_LBL_TAB1SPACEBELOW"},
    // 755
    {{U"Space Below", U"下の間隔", U"Espace au-dessous", U"Spazio sotto", U"Abstand unten",
      U"Espacio inferior", U"下方間距", U"下方间距", U"아래쪽 간격"},
     U"L10N_LBL_TAB2SPACEBELOW"},
    // 756
    {{U"Horizontal Position", U"横位置", U"Position horizontale", U"Posizione orizzontale",
      U"Horizontale Position", U"Posición horizontal", U"水平位置", U"水平位置", U"가로 위치"},
     U"L10N_LBL_TAB1TEXTPOSITION"},
    // 757
    {{U"Horizontal Position", U"横位置", U"Position horizontale", U"Posizione orizzontale",
      U"Horizontale Position", U"Posición horizontal", U"水平位置", U"水平位置", U"가로 위치"},
     U"L10N_LBL_TAB2TEXTPOSITION"},
    // 758
    {{U"Flipped", U"反転", U"Retourné", U"Capovolto", U"Umgedreht", U"Invertido", U"翻轉", U"翻转",
      U"뒤집힘"},
     U"L10N_OPT_TAB1ORIENTATION_FLIPPED"},
    // 759
    {{U"Flipped", U"反転", U"Retourné", U"Capovolto", U"Umgedreht", U"Invertido", U"翻轉", U"翻转",
      U"뒤집힘"},
     U"L10N_OPT_TAB2ORIENTATION_FLIPPED"},
    // 760
    {{U"Horizontal", U"横", U"Horizontale", U"Orizzontale", U"Waagerecht", U"En horizontal",
      U"水平", U"水平", U"가로"},
     U"L10N_OPT_TAB1ORIENTATION_HORIZONTAL"},
    // 761
    {{U"Horizontal", U"横", U"Horizontale", U"Orizzontale", U"Waagerecht", U"En horizontal",
      U"水平", U"水平", U"가로"},
     U"L10N_OPT_TAB2ORIENTATION_HORIZONTAL"},
    // 762
    {{U"Vertical", U"縦", U"Verticale", U"Verticale", U"Senkrecht", U"En vertical", U"垂直",
      U"垂直", U"세로"},
     U"L10N_OPT_TAB1ORIENTATION_VERTICAL"},
    // 763
    {{U"Vertical", U"縦", U"Verticale", U"Verticale", U"Senkrecht", U"En vertical", U"垂直",
      U"垂直", U"세로"},
     U"L10N_OPT_TAB2ORIENTATION_VERTICAL"},
    // 764
    {{U"On Error", U"エラー時", U"En cas d'erreur", U"In caso di errore", U"Bei Fehler",
      U"En caso de error", U"發生錯誤時", U"出错时", U"오류 발생 시"},
     U"L10N_OPT_SENDEMAIL_ONERROR"},
    // 765
    {{U"Always", U"常に", U"Toujours", U"Sempre", U"Immer", U"Siempre", U"一律", U"总是", U"항상"},
     U"L10N_OPT_SENDEMAIL_ALWAYS"},
    // 766
    {{U"Print", U"印刷", U"Imprimer", U"Stampa", U"Drucken", U"Imprimir", U"列印", U"打印",
      U"인쇄"},
     U"L10N_OPT_OUTPUTMETHOD_PRINT"},
    // 767
    {{U"Print", U"印刷", U"Imprimer", U"Stampa", U"Drucken", U"Imprimir", U"列印", U"打印",
      U"인쇄"},
     U"L10N_OPT_WAITMODE_NONE"},
    // 768
    {{U"Custom Size", U"カスタムサイズ", U"Format personnalisé", U"Formato personalizzato",
      U"Benutzerdefiniertes Format", U"Tamaño personalizado", U"自訂尺寸", U"自定义尺寸",
      U"사용자 정의 크기"},
     U"L10N_OPT_PAGESIZE_CUSTOM"},
    // 769
    {{U"Origin", U"取得元", U"Origine", U"Origine", U"Herkunft", U"Origen", U"來源", U"来源",
      U"출처"},
     U"L10N_PAPER_LIST_PAPERSIZES_ORIGIN"},
    // 770
    {{U"Printer", U"プリンター", U"Imprimante", U"Stampante", U"Drucker", U"Impresora", U"印表機",
      U"打印机", U"프린터"},
     U"L10N_PAPER_LIST_PAPERSIZES_ENGINE"},
    // 771
    {{U"Form", U"フォーム", U"Formulaire", U"Modulo", U"Formular", U"Formulario", U"表單", U"表单",
      U"양식"},
     U"L10N_PAPER_LIST_PAPERSIZES_FORM"},
    // 772
    {{U"", U"", U"", U"", U"", U"", U"", U"", U""}, U"L10N_PAPER_LIST_PAPERSIZES_BUILTIN"},
    // 773
    {{U"", U"", U"", U"", U"", U"", U"", U"", U""}, U"L10N_POSTPROCESSING_GRP_SETNUMBERING"},
    // 774
    {{U"", U"", U"", U"", U"", U"", U"", U"", U""}, U"L10N_POSTPROCESSING_GRP_PAGENUMBERING"},
    // 775
    {{U"", U"", U"", U"", U"", U"", U"", U"", U""}, U"L10N_POSTPROCESSING_GRP_COPYPROTECT"},
    // 776
    {{U"", U"", U"", U"", U"", U"", U"", U"", U""}, U"L10N_FINISHING_GRP_RINGBINDING"},
    // 777
    {{U"", U"", U"", U"", U"", U"", U"", U"", U""}, U"L10N_FINISHING_GRP_FOLD"},
    // 778
    {{U"", U"", U"", U"", U"", U"", U"", U"", U""}, U"L10N_WORKFLOW_GRP_SENDEMAIL"},
    // 779
    {{U"", U"", U"", U"", U"", U"", U"", U"", U""}, U"L10N_WORKFLOW_GRP_WAITMODE"},
    // 780
    {{U"", U"", U"", U"", U"", U"", U"", U"", U""}, U"L10N_WORKFLOW_GRP_OUTPUTMETHOD"},
    // 781
    {{U"", U"", U"", U"", U"", U"", U"", U"", U""}, U"L10N_AUTHENTICATION_GRP_USERAUTHENTICATION"},
    // 782
    {{U"", U"", U"", U"", U"", U"", U"", U"", U""}, U"L10N_AUTHENTICATION_GRP_ACCOUNTTRACK"},
    // 783
    {{U"", U"", U"", U"", U"", U"", U"", U"", U""}, U"L10N_OPTIONS_GRP_STAPLER"},
    // 784
    {{U"", U"", U"", U"", U"", U"", U"", U"", U""}, U"L10N_OPTIONS_GRP_SADDLESTITCHER"},
    // 785
    {{U"", U"", U"", U"", U"", U"", U"", U"", U""}, U"L10N_FOLD_GRP_SLIT"},
    // 786
    {{U"", U"", U"", U"", U"", U"", U"", U"", U""}, U"L10N_FOLD_GRP_CREASE"},
    // 787
    {{U"", U"", U"", U"", U"", U"", U"", U"", U""}, U"L10N_SCREEN_GRP_THINNING"},
    // 788
    {{U"", U"", U"", U"", U"", U"", U"", U"", U""}, U"L10N_LAYOUT_LBL_EMPTY"},
    // 789
    {{U"", U"", U"", U"", U"", U"", U"", U"", U""}, U"L10N_LBL_DIVIDEOUTPUTPAGES"},
    // 790
    {{U"", U"", U"", U"", U"", U"", U"", U"", U""}, U"L10N_LBL_OFFSETPAGESCOUNT"},
    // 791
    {{U"", U"", U"", U"", U"", U"", U"", U"", U""}, U"L10N_LBL_OFFSETCOPIESCOUNT"},
    // 792
    {{U"Add Custom Size", U"カスタムサイズの追加", U"Ajouter un format personnalisé",
      U"Aggiungi formato personalizzato", U"Benutzerdefiniertes Format hinzufügen",
      U"Agregar tamaño personalizado", U"新增自訂尺寸", U"添加自定义尺寸",
      U"사용자 정의 크기 추가"},
     U"L10N_CUSTOMPAPER_LBL_ADDCUSTOMSIZETITLE"},
    // 793
    {{U"Paper Name", U"用紙名", U"Nom du papier", U"Nome carta", U"Papiername", U"Nombre del papel",
      U"紙張名稱", U"纸张名称", U"용지 이름"},
     U"L10N_ADDCUSTOMSIZE_LBL_PAPERNAME"},
    // 794
    {{U"Width", U"幅", U"Largeur", U"Larghezza", U"Breite", U"Ancho", U"寬度", U"宽度", U"너비"},
     U"L10N_ADDCUSTOMSIZE_LBL_WIDTH"},
    // 795
    {{U"Width", U"幅", U"Largeur", U"Larghezza", U"Breite", U"Ancho", U"寬度", U"宽度", U"너비"},
     U"L10N_POSTSCRIPT_LBL_WIDTH"},
    // 796
    {{U"Width", U"幅", U"Largeur", U"Larghezza", U"Breite", U"Ancho", U"寬度", U"宽度", U"너비"},
     U"L10N_PERFECT_LBL_WIDTH"},
    // 797
    {{U"Height", U"高さ", U"Hauteur", U"Altezza", U"Höhe", U"Alto", U"高度", U"高度", U"높이"},
     U"L10N_ADDCUSTOMSIZE_LBL_HEIGHT"},
    // 798
    {{U"Height", U"高さ", U"Hauteur", U"Altezza", U"Höhe", U"Alto", U"高度", U"高度", U"높이"},
     U"L10N_POSTSCRIPT_LBL_HEIGHT"},
    // 799
    {{U"Height", U"高さ", U"Hauteur", U"Altezza", U"Höhe", U"Alto", U"高度", U"高度", U"높이"},
     U"L10N_PERFECT_LBL_HEIGHT"},
    // 800
    {{U"cm", U"cm", U"cm", U"cm", U"cm", U"cm", U"cm", U"cm", U"cm"}, U"L10N_ADDCUSTOMSIZE_RB_CM"},
    // 801
    {{U"cm", U"cm", U"cm", U"cm", U"cm", U"cm", U"cm", U"cm", U"cm"}, U"L10N_POSTSCRIPT_RB_CM"},
    // 802
    {{U"cm", U"cm", U"cm", U"cm", U"cm", U"cm", U"cm", U"cm", U"cm"},
     U"L10N_CUSTOMPAPER_LBL_UNITCM"},
    // 803
    {{U"cm", U"cm", U"cm", U"cm", U"cm", U"cm", U"cm", U"cm", U"cm"}, U"L10N_PERFECT_RB_CM"},
    // 804
    {{U"pt", U"pt", U"pt", U"pt", U"pt", U"pt", U"pt", U"pt", U"pt"}, U"L10N_ADDCUSTOMSIZE_RB_PT"},
    // 805
    {{U"pt", U"pt", U"pt", U"pt", U"pt", U"pt", U"pt", U"pt", U"pt"}, U"L10N_POSTSCRIPT_RB_PT"},
    // 806
    {{U"pt", U"pt", U"pt", U"pt", U"pt", U"pt", U"pt", U"pt", U"pt"}, U"L10N_PERFECT_RB_PT"},
    // 807
    {{U"pt", U"pt", U"pt", U"pt", U"pt", U"pt", U"pt", U"pt", U"pt"},
     U"L10N_CUSTOMPAPER_LBL_UNITPT"},
    // 808
    {{U"Normal", U"標準", U"Normal", U"Normale", U"Normal", U"Normal", U"標準", U"标准", U"보통"},
     U"L10N_OPT_TAB1ORIENTATION_NORMAL"},
    // 809
    {{U"Normal", U"標準", U"Normal", U"Normale", U"Normal", U"Normal", U"標準", U"标准", U"보통"},
     U"L10N_OPT_TAB2ORIENTATION_NORMAL"},
    // 810
    {{U"Orientation", U"印刷の向き", U"Orientation", U"Orientamento", U"Ausrichtung",
      U"Orientación", U"列印方向", U"打印方向", U"방향"},
     U"L10N_LBL_TAB1ORIENTATION"},
    // 811
    {{U"Orientation", U"印刷の向き", U"Orientation", U"Orientamento", U"Ausrichtung",
      U"Orientación", U"列印方向", U"打印方向", U"방향"},
     U"L10N_LBL_TAB2ORIENTATION"},
    // 812
    {{U"Pages", U"ページ", U"Plage de pages", U"Pagine", U"Seiten", U"Páginas", U"頁面", U"页面",
      U"페이지"},
     U"L10N_FORMS_LIST_PPSFORMS_PAGES"},
    // 813
    {{U"Pages", U"ページ", U"Plage de pages", U"Pagine", U"Seiten", U"Páginas", U"頁面", U"页面",
      U"페이지"},
     U"L10N_TRAYSPPS_LIST_PPSTRAYS_PAGES"},
    // 814
    {{U"Paper Tray", U"給紙トレイ", U"Bac papier", U"Vassoio carta", U"Papierfach",
      U"Bandeja de papel", U"紙匣", U"纸盒", U"용지함"},
     U"L10N_TRAYSPPS_LIST_PPSTRAYS_PPSSOURCE"},
    // 815
    {{U"Number of Sheets", U"枚数", U"Nombre de feuilles", U"Numero di fogli", U"Blattanzahl",
      U"Número de hojas", U"張數", U"张数", U"매수"},
     U"L10N_TRAYSPPS_LIST_PPSTRAYS_PPSMULTIPLEINSERTIONS"},
    // 816
    {{U"End Staple Set", U"ステープル区切り", U"Fin du jeu agrafé", U"Fine set pinzato",
      U"Ende Heftsatz", U"Fin del juego grapado", U"裝訂組結尾", U"装订组结尾",
      U"스테이플 세트 끝"},
     U"L10N_TRAYSPPS_LIST_PPSTRAYS_PPSFINISHSTAPLING"},
    // 817
    {{U"Delete Selected", U"選択項目を削除", U"Supprimer la sélection", U"Elimina selezionati",
      U"Auswahl löschen", U"Eliminar seleccionados", U"刪除所選項目", U"删除所选项目",
      U"선택 항목 삭제"},
     U"L10N_TRAYSPPS_BTN_DELETESELECTEDPPS"},
    // 818
    {{U"Delete All", U"すべて削除", U"Tout supprimer", U"Elimina tutto", U"Alle löschen",
      U"Eliminar todo", U"全部刪除", U"全部删除", U"모두 삭제"},
     U"L10N_TRAYSPPS_BTN_DELETEALLPPS"},
    // 819
    {{U"Clear All", U"すべてクリア", U"Tout effacer", U"Cancella tutto", U"Alle entfernen",
      U"Borrar todo", U"全部清除", U"全部清除", U"모두 지우기"},
     U"L10N_CUSTOMIZEGENERALPANEL_BTN_CLEAR"},
    // 820
    {{U"Same as Body", U"本文と同じ", U"Identique au corps du document",
      U"Come il corpo del documento", U"Wie Dokumenttext", U"Igual que el cuerpo", U"與內文相同",
      U"与正文相同", U"본문과 동일"},
     U"L10N_OPT_PPSPRINTTYPE_SAMEASBODY"},
    // 821
    {{U"Same as Body", U"本文と同じ", U"Identique au corps du document",
      U"Come il corpo del documento", U"Wie Dokumenttext", U"Igual que el cuerpo", U"與內文相同",
      U"与正文相同", U"본문과 동일"},
     U"L10N_OPT_PPSPUNCH_SAMEASBODY"},
    // 822
    {{U"Same as Body", U"本文と同じ", U"Identique au corps du document",
      U"Come il corpo del documento", U"Wie Dokumenttext", U"Igual que el cuerpo", U"與內文相同",
      U"与正文相同", U"본문과 동일"},
     U"L10N_OPT_PPSSTAPLE_SAMEASBODY"},
    // 823
    {{U"Insert Blank Sheet after Page", U"ページの後に白紙を挿入",
      U"Insérer une feuille vierge après la page", U"Inserisci foglio bianco dopo la pagina",
      U"Leerblatt nach Seite einfügen", U"Insertar hoja en blanco después de la página",
      U"在頁面之後插入空白頁", U"在页面之后插入空白页", U"페이지 뒤에 빈 용지 삽입"},
     U"L10N_OPT_PPSPRINTTYPE_INSERTBLANKSHEET"},
    // 824
    {{U"Insert Blank Sheet before Page", U"ページの前に白紙を挿入",
      U"Insérer une feuille vierge avant la page", U"Inserisci foglio bianco prima della pagina",
      U"Leerblatt vor Seite einfügen", U"Insertar hoja en blanco antes de la página",
      U"在頁面之前插入空白頁", U"在页面之前插入空白页", U"페이지 앞에 빈 용지 삽입"},
     U"L10N_OPT_PPSPRINTTYPE_INSERTBLANKSHEETBEFORE"},
    // 825
    {{U"Insert Blank Sheet before 1st Page", U"1ページ目の前に白紙を挿入",
      U"Insérer une feuille vierge avant la 1re page",
      U"Inserisci foglio bianco prima della 1a pagina", U"Leerblatt vor 1. Seite einfügen",
      U"Insertar hoja en blanco antes de la 1.ª página", U"在第 1 頁之前插入空白頁",
      U"在第 1 页之前插入空白页", U"첫 페이지 앞에 빈 용지 삽입"},
     U"L10N_OPT_PPSPRINTTYPE_INSERTBLANKBEFOREFSTPAGE"},
    // 826
    {{U"Print (1-Sided)", U"印刷（片面）", U"Imprimer (recto)", U"Stampa (solo fronte)",
      U"Drucken (einseitig)", U"Imprimir (una cara)", U"列印（單面）", U"打印（单面）",
      U"인쇄(단면)"},
     U"L10N_OPT_PPSPRINTTYPE_PRINTSINGLESIDED"},
    // 827
    {{U"Print (2-Sided)", U"印刷（両面）", U"Imprimer (recto verso)", U"Stampa (fronte-retro)",
      U"Drucken (duplex)", U"Imprimir (doble cara)", U"列印（雙面）", U"打印（双面）",
      U"인쇄(양면)"},
     U"L10N_OPT_PPSPRINTTYPE_PRINTDOUBLESIDED"},
    // 828
    {{U"Chapters", U"章区切り", U"Chapitres", U"Capitoli", U"Kapitel", U"Capítulos", U"章節",
      U"章节", U"챕터"},
     U"L10N_LBL_CHAPTER"},
    // 829
    {{U"Select pages in the list and choose how to print them.",
      U"リストでページを選択し、そのページの印刷方法を選択してください。",
      U"Sélectionnez des pages dans la liste et choisissez comment les imprimer.",
      U"Selezionare le pagine nell'elenco e scegliere come stamparle.",
      U"Wählen Sie Seiten in der Liste aus und legen Sie fest, wie sie gedruckt werden.",
      U"Seleccione páginas en la lista y elija cómo imprimirlas.",
      U"在清單中選取頁面，然後選擇列印方式。", U"在列表中选择页面，然后选择打印方式。",
      U"목록에서 페이지를 선택한 다음 인쇄 방법을 선택하십시오."},
     U"L10N_TRAYSPPS_HINT_TRAYSPERPAGESETTINGS"},
    // 830
    {{U"Sample", U"サンプル", U"Exemple", U"Esempio", U"Beispiel", U"Muestra", U"範例", U"示例",
      U"샘플"},
     U"L10N_TABSETTINGS_TXT_SAMPLE"},
    // 831
    {{U"Tab Insertion Settings", U"タブ紙挿入設定", U"Paramètres d'insertion d'onglets",
      U"Impostazioni di inserimento linguette", U"Einstellungen für Registereinfügung",
      U"Configuración de inserción de pestañas", U"索引紙插入設定", U"索引纸插入设置",
      U"탭 용지 삽입 설정"},
     U"L10N_TABSPPS_GRP_TABSPERPAGESETTINGS"},
    // 832
    {{U"Page-Specific Tabs", U"ページ単位のタブ設定", U"Onglets par page", U"Linguette per pagina",
      U"Seitenspezifische Register", U"Pestañas por página", U"個別頁面索引標籤",
      U"单独页面索引标签", U"페이지별 탭"},
     U"L10N_LBL_PAGESPECIFICTABS"},
    // 833
    {{U"Print on Body", U"本文用紙に印刷", U"Imprimer sur le papier du corps",
      U"Stampa sulla carta del corpo", U"Auf Dokumentpapier drucken",
      U"Imprimir en el papel del cuerpo", U"列印在內文紙張上", U"打印在正文纸张上",
      U"본문 용지에 인쇄"},
     U"L10N_OPT_TPPSPAGEMODE_NOTAB"},
    // 834
    {{U"Update", U"更新", U"Mettre à jour", U"Aggiorna", U"Aktualisieren", U"Actualizar", U"更新",
      U"更新", U"업데이트"},
     U"L10N_TABSPPS_BTN_UPDATE"},
    // 835
    {{U"Current Page", U"現在のページ", U"Page actuelle", U"Pagina corrente", U"Aktuelle Seite",
      U"Página actual", U"目前頁面", U"当前页", U"현재 페이지"},
     U"L10N_LBL_CURRENTPAGE"},
    // 836
    {{U"Tab", U"タブ紙", U"Onglet", U"Linguetta", U"Register", U"Pestaña", U"索引紙", U"索引纸",
      U"탭 용지"},
     U"L10N_OPT_PPSPRINTTYPE_TAB"},
    // 837
    {{U"Cover Tray", U"表紙トレイ", U"Bac de couverture", U"Vassoio copertina", U"Deckblattfach",
      U"Bandeja de portada", U"封面紙匣", U"封面纸盒", U"표지 용지함"},
     U"L10N_LBL_PERFECTBINDTRAY"},
    // 838
    {{U"Current Set", U"現在のセット", U"Jeu actuel", U"Set corrente", U"Aktueller Satz",
      U"Juego actual", U"目前組", U"当前组", U"현재 세트"},
     U"L10N_TABSETTINGS_LBL_TAB1CURRENTSET"},
    // 839
    {{U"Current Set", U"現在のセット", U"Jeu actuel", U"Set corrente", U"Aktueller Satz",
      U"Juego actual", U"目前組", U"当前组", U"현재 세트"},
     U"L10N_TABSETTINGS_LBL_TAB2CURRENTSET"},
    // 840
    {{U"No tab selected.", U"タブが選択されていません。", U"Aucun onglet sélectionné.",
      U"Nessuna linguetta selezionata.", U"Kein Register ausgewählt.",
      U"No hay ninguna pestaña seleccionada.", U"未選取索引標籤。", U"未选择索引标签。",
      U"선택된 탭이 없습니다."},
     U"L10N_TABSETTINGS_TXT_NOTABSELECTED"},
    // 841
    {{U"No set defined.", U"セットが定義されていません。", U"Aucun jeu défini.",
      U"Nessun set definito.", U"Kein Satz definiert.", U"No hay ningún juego definido.",
      U"未定義任何組。", U"未定义任何组。", U"정의된 세트가 없습니다."},
     U"L10N_TABSETTINGS_TXT_NOSETDEFINED"},
    // 842
    {{U"PI Tray 1", U"PIトレイ1", U"Bac PI 1", U"Vassoio PI 1", U"PI-Fach 1", U"Bandeja PI 1",
      U"PI 紙匣 1", U"PI 纸盒 1", U"PI 용지함 1"},
     U"L10N_OPT_PERFECTBINDTRAY_PITRAY1"},
    // 843
    {{U"PI Tray 1", U"PIトレイ1", U"Bac PI 1", U"Vassoio PI 1", U"PI-Fach 1", U"Bandeja PI 1",
      U"PI 紙匣 1", U"PI 纸盒 1", U"PI 용지함 1"},
     U"L10N_OPT_PIFRONTCOVERTRAY_PITRAY1"},
    // 844
    {{U"PI Tray 1", U"PIトレイ1", U"Bac PI 1", U"Vassoio PI 1", U"PI-Fach 1", U"Bandeja PI 1",
      U"PI 紙匣 1", U"PI 纸盒 1", U"PI 용지함 1"},
     U"L10N_OPT_PIBACKCOVERTRAY_PITRAY1"},
    // 845
    {{U"PI Tray 1", U"PIトレイ1", U"Bac PI 1", U"Vassoio PI 1", U"PI-Fach 1", U"Bandeja PI 1",
      U"PI 紙匣 1", U"PI 纸盒 1", U"PI 용지함 1"},
     U"L10N_OPT_PPSSOURCE_PITRAY1"},
    // 846
    {{U"PI Tray 2", U"PIトレイ2", U"Bac PI 2", U"Vassoio PI 2", U"PI-Fach 2", U"Bandeja PI 2",
      U"PI 紙匣 2", U"PI 纸盒 2", U"PI 용지함 2"},
     U"L10N_OPT_PERFECTBINDTRAY_PITRAY2"},
    // 847
    {{U"PI Tray 2", U"PIトレイ2", U"Bac PI 2", U"Vassoio PI 2", U"PI-Fach 2", U"Bandeja PI 2",
      U"PI 紙匣 2", U"PI 纸盒 2", U"PI 용지함 2"},
     U"L10N_OPT_PIFRONTCOVERTRAY_PITRAY2"},
    // 848
    {{U"PI Tray 2", U"PIトレイ2", U"Bac PI 2", U"Vassoio PI 2", U"PI-Fach 2", U"Bandeja PI 2",
      U"PI 紙匣 2", U"PI 纸盒 2", U"PI 용지함 2"},
     U"L10N_OPT_PIBACKCOVERTRAY_PITRAY2"},
    // 849
    {{U"PI Tray 2", U"PIトレイ2", U"Bac PI 2", U"Vassoio PI 2", U"PI-Fach 2", U"Bandeja PI 2",
      U"PI 紙匣 2", U"PI 纸盒 2", U"PI 용지함 2"},
     U"L10N_OPT_PPSSOURCE_PITRAY2"},
    // 850
    {{U"Top", U"上", U"Haut", U"Alto", U"Oben", U"Arriba", U"上", U"上", U"위쪽"},
     U"L10N_OPT_TAB1POSITION_TOP"},
    // 851
    {{U"Top", U"上", U"Haut", U"Alto", U"Oben", U"Arriba", U"上", U"上", U"위쪽"},
     U"L10N_OPT_TAB2POSITION_TOP"},
    // 852
    {{U"Bottom", U"下", U"Bas", U"Basso", U"Unten", U"Abajo", U"下", U"下", U"아래쪽"},
     U"L10N_OPT_TAB1POSITION_BOTTOM"},
    // 853
    {{U"Bottom", U"下", U"Bas", U"Basso", U"Unten", U"Abajo", U"下", U"下", U"아래쪽"},
     U"L10N_OPT_TAB2POSITION_BOTTOM"},
    // 854
    {{U"Tab Position", U"タブ位置", U"Position de l'onglet", U"Posizione linguetta",
      U"Registerposition", U"Posición de la pestaña", U"索引標籤位置", U"索引标签位置", U"탭 위치"},
     U"L10N_LBL_TABPOSITION"},
    // 855
    {{U"Current Tab", U"現在のタブ", U"Onglet actuel", U"Linguetta corrente", U"Aktuelles Register",
      U"Pestaña actual", U"目前索引標籤", U"当前索引标签", U"현재 탭"},
     U"L10N_TABSETTINGS_LBL_TAB1CURRENTTAB"},
    // 856
    {{U"Current Tab", U"現在のタブ", U"Onglet actuel", U"Linguetta corrente", U"Aktuelles Register",
      U"Pestaña actual", U"目前索引標籤", U"当前索引标签", U"현재 탭"},
     U"L10N_TABSETTINGS_LBL_TAB2CURRENTTAB"},
    // 857
    {{U"Show", U"表示", U"Afficher", U"Mostra", U"Anzeigen", U"Mostrar", U"顯示", U"显示", U"표시"},
     U"L10N_PAPER_LIST_PAPERNAMES_SHOW"},
    // 858
    {{U"Show", U"表示", U"Afficher", U"Mostra", U"Anzeigen", U"Mostrar", U"顯示", U"显示", U"표시"},
     U"L10N_CUSTOMIZEGENERALPANEL_LIST_FEATURES_SHOW"},
    // 859
    {{U"Cancel", U"キャンセル", U"Annuler", U"Annulla", U"Abbrechen", U"Cancelar", U"取消", U"取消",
      U"취소"},
     U"L10N_MAIN_BTN_CANCEL"},
    // 860
    {{U"Cancel", U"キャンセル", U"Annuler", U"Annulla", U"Abbrechen", U"Cancelar", U"取消", U"取消",
      U"취소"},
     U"L10N_CUSTOMPAPER_BTN_CANCEL"},
    // 861
    {{U"Cancel", U"キャンセル", U"Annuler", U"Annulla", U"Abbrechen", U"Cancelar", U"取消", U"取消",
      U"취소"},
     U"L10N_CUSTOMIZEGENERALPANEL_BTN_CANCEL"},
    // 862
    {{U"OK", U"OK", U"OK", U"OK", U"OK", U"Aceptar", U"確定", U"确定", U"확인"},
     U"L10N_MAIN_BTN_OK"},
    // 863
    {{U"OK", U"OK", U"OK", U"OK", U"OK", U"Aceptar", U"確定", U"确定", U"확인"},
     U"L10N_CUSTOMPAPER_BTN_OK"},
    // 864
    {{U"OK", U"OK", U"OK", U"OK", U"OK", U"Aceptar", U"確定", U"确定", U"확인"},
     U"L10N_CUSTOMIZEGENERALPANEL_BTN_OK"},
    // 865
    {{U"Settings match the printer defaults.", U"設定はプリンターの初期値と一致しています。",
      U"Les paramètres correspondent aux valeurs par défaut de l'imprimante.",
      U"Le impostazioni corrispondono ai valori predefiniti della stampante.",
      U"Die Einstellungen entsprechen den Standardwerten des Druckers.",
      U"La configuración coincide con los valores predeterminados de la impresora.",
      U"設定與印表機預設值相符。", U"设置与打印机默认值一致。",
      U"설정이 프린터 기본값과 일치합니다."},
     U"L10N_SCREEN_LBL_DEFAULTSMATCH"},
    // 866
    {{U"Settings differ from the printer defaults.", U"設定はプリンターの初期値と異なります。",
      U"Les paramètres diffèrent des valeurs par défaut de l'imprimante.",
      U"Le impostazioni differiscono dai valori predefiniti della stampante.",
      U"Die Einstellungen weichen von den Standardwerten des Druckers ab.",
      U"La configuración difiere de los valores predeterminados de la impresora.",
      U"設定與印表機預設值不同。", U"设置与打印机默认值不同。",
      U"설정이 프린터 기본값과 다릅니다."},
     U"L10N_SCREEN_LBL_DEFAULTSMISMATCH"},
    // 867
    {{U"Use CIE Color", U"CIEカラーを使用", U"Utiliser la couleur CIE", U"Usa colore CIE",
      U"CIE-Farbe verwenden", U"Usar color CIE", U"使用 CIE 色彩", U"使用 CIE 颜色",
      U"CIE 색상 사용"},
     U"L10N_LBL_USECIECOLOR"},
    // 868
    {{U"Fold Preview", U"折りプレビュー", U"Aperçu du pliage", U"Anteprima piegatura",
      U"Falzvorschau", U"Vista previa del plegado", U"摺疊預覽", U"折叠预览", U"접기 미리 보기"},
     U"L10N_LAYOUT_LBL_PRVFOLD"},
    // 869
    {{U"Fold Preview", U"折りプレビュー", U"Aperçu du pliage", U"Anteprima piegatura",
      U"Falzvorschau", U"Vista previa del plegado", U"摺疊預覽", U"折叠预览", U"접기 미리 보기"},
     U"L10N_FINISHING_LBL_PRVFOLD"},
    // 870
    {{U"Fold Preview", U"折りプレビュー", U"Aperçu du pliage", U"Anteprima piegatura",
      U"Falzvorschau", U"Vista previa del plegado", U"摺疊預覽", U"折叠预览", U"접기 미리 보기"},
     U"L10N_FOLD_LBL_PRVFOLD"},
    // 871
    {{U"mm [-250…250]", U"mm [-250…250]", U"mm [-250…250]", U"mm [-250…250]", U"mm [-250…250]",
      U"mm [-250…250]", U"mm [-250…250]", U"mm [-250…250]", U"mm [-250…250]"},
     U"L10N_LBL_HORIZONTALSHIFTBACKUNIT"},
    // 872
    {{U"mm [-250…250]", U"mm [-250…250]", U"mm [-250…250]", U"mm [-250…250]", U"mm [-250…250]",
      U"mm [-250…250]", U"mm [-250…250]", U"mm [-250…250]", U"mm [-250…250]"},
     U"L10N_LBL_HORIZONTALSHIFTUNIT"},
    // 873
    {{U"mm [-250…250]", U"mm [-250…250]", U"mm [-250…250]", U"mm [-250…250]", U"mm [-250…250]",
      U"mm [-250…250]", U"mm [-250…250]", U"mm [-250…250]", U"mm [-250…250]"},
     U"L10N_LBL_VERTICALSHIFTUNIT"},
    // 874
    {{U"mm [-250…250]", U"mm [-250…250]", U"mm [-250…250]", U"mm [-250…250]", U"mm [-250…250]",
      U"mm [-250…250]", U"mm [-250…250]", U"mm [-250…250]", U"mm [-250…250]"},
     U"L10N_LBL_VERTICALSHIFTBACKUNIT"},
    // 875
    {{U"mm [0…5]", U"mm [0…5]", U"mm [0…5]", U"mm [0…5]", U"mm [0…5]", U"mm [0…5]", U"mm [0…5]",
      U"mm [0…5]", U"mm [0…5]"},
     U"L10N_LBL_CREEPUNIT"},
    // 876
    {{U"mm [0…50.0]", U"mm [0…50.0]", U"mm [0…50.0]", U"mm [0…50.0]", U"mm [0…50.0]",
      U"mm [0…50.0]", U"mm [0…50.0]", U"mm [0…50.0]", U"mm [0…50.0]"},
     U"L10N_LBL_CREEPFRONTUNIT"},
    // 877
    {{U"mm [0…50.0]", U"mm [0…50.0]", U"mm [0…50.0]", U"mm [0…50.0]", U"mm [0…50.0]",
      U"mm [0…50.0]", U"mm [0…50.0]", U"mm [0…50.0]", U"mm [0…50.0]"},
     U"L10N_LBL_CREEPBACKUNIT"},
    // 878
    {{U"inch [-9.84…9.84]", U"インチ [-9.84…9.84]", U"pouces [-9.84…9.84]", U"pollici [-9.84…9.84]",
      U"Zoll [-9.84…9.84]", U"pulgadas [-9.84…9.84]", U"英吋 [-9.84…9.84]", U"英寸 [-9.84…9.84]",
      U"인치 [-9.84…9.84]"},
     U"L10N_LBL_HORIZONTALSHIFTBACKUNITINCH"},
    // 879
    {{U"inch [-9.84…9.84]", U"インチ [-9.84…9.84]", U"pouces [-9.84…9.84]", U"pollici [-9.84…9.84]",
      U"Zoll [-9.84…9.84]", U"pulgadas [-9.84…9.84]", U"英吋 [-9.84…9.84]", U"英寸 [-9.84…9.84]",
      U"인치 [-9.84…9.84]"},
     U"L10N_LBL_HORIZONTALSHIFTUNITINCH"},
    // 880
    {{U"inch [-9.84…9.84]", U"インチ [-9.84…9.84]", U"pouces [-9.84…9.84]", U"pollici [-9.84…9.84]",
      U"Zoll [-9.84…9.84]", U"pulgadas [-9.84…9.84]", U"英吋 [-9.84…9.84]", U"英寸 [-9.84…9.84]",
      U"인치 [-9.84…9.84]"},
     U"L10N_LBL_VERTICALSHIFTUNITINCH"},
    // 881
    {{U"inch [-9.84…9.84]", U"インチ [-9.84…9.84]", U"pouces [-9.84…9.84]", U"pollici [-9.84…9.84]",
      U"Zoll [-9.84…9.84]", U"pulgadas [-9.84…9.84]", U"英吋 [-9.84…9.84]", U"英寸 [-9.84…9.84]",
      U"인치 [-9.84…9.84]"},
     U"L10N_LBL_VERTICALSHIFTBACKUNITINCH"},
    // 882
    {{U"inch [0…0.2]", U"インチ [0…0.2]", U"pouces [0…0.2]", U"pollici [0…0.2]", U"Zoll [0…0.2]",
      U"pulgadas [0…0.2]", U"英吋 [0…0.2]", U"英寸 [0…0.2]", U"인치 [0…0.2]"},
     U"L10N_LBL_CREEPUNITINCH"},
    // 883
    {{U"inch [0…1.968]", U"インチ [0…1.968]", U"pouces [0…1.968]", U"pollici [0…1.968]",
      U"Zoll [0…1.968]", U"pulgadas [0…1.968]", U"英吋 [0…1.968]", U"英寸 [0…1.968]",
      U"인치 [0…1.968]"},
     U"L10N_LBL_CREEPFRONTUNITINCH"},
    // 884
    {{U"inch [0…1.968]", U"インチ [0…1.968]", U"pouces [0…1.968]", U"pollici [0…1.968]",
      U"Zoll [0…1.968]", U"pulgadas [0…1.968]", U"英吋 [0…1.968]", U"英寸 [0…1.968]",
      U"인치 [0…1.968]"},
     U"L10N_LBL_CREEPBACKUNITINCH"},
    // 885
    {{U"Image Shift Preview", U"画像シフトプレビュー", U"Aperçu du décalage de l'image",
      U"Anteprima spostamento immagine", U"Vorschau der Bildverschiebung",
      U"Vista previa del desplazamiento de imagen", U"影像位移預覽", U"图像偏移预览",
      U"이미지 이동 미리 보기"},
     U"L10N_SHIFTING_LBL_PRVSHIFTING"},
    // 886
    {{U"Image Position Preview", U"画像位置プレビュー", U"Aperçu de la position de l'image",
      U"Anteprima posizione immagine", U"Vorschau der Bildposition",
      U"Vista previa de la posición de imagen", U"影像位置預覽", U"图像位置预览",
      U"이미지 위치 미리 보기"},
     U"L10N_SHIFTING_LBL_PRVPRINTPOSITION"},
    // 887
    {{U"g/m²", U"g/m²", U"g/m²", U"g/m²", U"g/m²", U"g/m²", U"g/m²", U"g/m²", U"g/m²"},
     U"L10N_OPT_WEIGHTUNIT_GM2"},
    // 888
    {{U"Duodecimo", U"四六判", U"In-douze", U"In dodicesimo", U"Duodez", U"En dozavo", U"四六判",
      U"四六判", U"사륙판"},
     U"L10N_OPT_WEIGHTUNIT_KG1"},
    // 889
    {{U"A-Book", U"A判", U"Livre A", U"Libro A", U"Buch A", U"Libro A", U"A 判", U"A 判", U"A판"},
     U"L10N_OPT_WEIGHTUNIT_KG2"},
    // 890
    {{U"B-Book", U"B判", U"Livre B", U"Libro B", U"Buch B", U"Libro B", U"B 判", U"B 判", U"B판"},
     U"L10N_OPT_WEIGHTUNIT_KG3"},
    // 891
    {{U"Octavo", U"菊判", U"In-octavo", U"In ottavo", U"Oktav", U"En octavo", U"菊判", U"菊判",
      U"국판"},
     U"L10N_OPT_WEIGHTUNIT_KG4"},
    // 892
    {{U"Bond", U"上質紙", U"Papier bond", U"Carta bond", U"Bondpapier", U"Papel bond", U"道林紙",
      U"胶版纸", U"본드지"},
     U"L10N_OPT_WEIGHTUNIT_LB1"},
    // 893
    {{U"Cover", U"表紙用紙", U"Papier couverture", U"Carta per copertine", U"Umschlagkarton",
      U"Papel para cubiertas", U"封面紙", U"封面纸", U"표지 용지"},
     U"L10N_OPT_WEIGHTUNIT_LB4"},
    // 894
    {{U"Index", U"インデックス紙", U"Papier fiche", U"Cartoncino per schede", U"Karteikarton",
      U"Cartulina índice", U"索引卡紙", U"索引卡纸", U"인덱스지"},
     U"L10N_OPT_WEIGHTUNIT_LB5"},
    // 895
    {{U"Weight Unit", U"坪量単位", U"Unité de grammage", U"Unità di grammatura", U"Gewichtseinheit",
      U"Unidad de gramaje", U"磅數單位", U"克重单位", U"평량 단위"},
     U"L10N_LBL_WEIGHTUNIT"},
    // 896
    {{U"mm [-250…250]", U"mm [-250…250]", U"mm [-250…250]", U"mm [-250…250]", U"mm [-250…250]",
      U"mm [-250…250]", U"mm [-250…250]", U"mm [-250…250]", U"mm [-250…250]"},
     U"L10N_LBL_GUTTERUNIT"},
    // 897
    {{U"inch [-9.84…9.84]", U"インチ [-9.84…9.84]", U"pouces [-9.84…9.84]", U"pollici [-9.84…9.84]",
      U"Zoll [-9.84…9.84]", U"pulgadas [-9.84…9.84]", U"英吋 [-9.84…9.84]", U"英寸 [-9.84…9.84]",
      U"인치 [-9.84…9.84]"},
     U"L10N_LBL_GUTTERUNITINCH"},
    // 898
    {{U"mm [-250.0…250.0]", U"mm [-250.0…250.0]", U"mm [-250.0…250.0]", U"mm [-250.0…250.0]",
      U"mm [-250.0…250.0]", U"mm [-250.0…250.0]", U"mm [-250.0…250.0]", U"mm [-250.0…250.0]",
      U"mm [-250.0…250.0]"},
     U"L10N_LBL_GUTTERFRONTUNIT"},
    // 899
    {{U"mm [-250.0…250.0]", U"mm [-250.0…250.0]", U"mm [-250.0…250.0]", U"mm [-250.0…250.0]",
      U"mm [-250.0…250.0]", U"mm [-250.0…250.0]", U"mm [-250.0…250.0]", U"mm [-250.0…250.0]",
      U"mm [-250.0…250.0]"},
     U"L10N_LBL_GUTTERBACKUNIT"},
    // 900
    {{U"inch [-9.842…9.842]", U"インチ [-9.842…9.842]", U"pouces [-9.842…9.842]",
      U"pollici [-9.842…9.842]", U"Zoll [-9.842…9.842]", U"pulgadas [-9.842…9.842]",
      U"英吋 [-9.842…9.842]", U"英寸 [-9.842…9.842]", U"인치 [-9.842…9.842]"},
     U"L10N_LBL_GUTTERFRONTUNITINCH"},
    // 901
    {{U"inch [-9.842…9.842]", U"インチ [-9.842…9.842]", U"pouces [-9.842…9.842]",
      U"pollici [-9.842…9.842]", U"Zoll [-9.842…9.842]", U"pulgadas [-9.842…9.842]",
      U"英吋 [-9.842…9.842]", U"英寸 [-9.842…9.842]", U"인치 [-9.842…9.842]"},
     U"L10N_LBL_GUTTERBACKUNITINCH"},
    // 902
    {{U"Custom Size...", U"カスタムサイズ...", U"Format personnalisé...",
      U"Formato personalizzato...", U"Benutzerdefiniertes Format...", U"Tamaño personalizado...",
      U"自訂尺寸...", U"自定义尺寸...", U"사용자 정의 크기..."},
     U"L10N_GENERIC_BTN_CUSTOMPAGESIZE"},
    // 903
    {{U"QH-223", U"QH-223", U"QH-223", U"QH-223", U"QH-223", U"QH-223", U"QH-223", U"QH-223",
      U"QH-223"},
     U"L10N_OPT_BINDER_QH_223"},
    // 904
    {{U"QK-226", U"QK-226", U"QK-226", U"QK-226", U"QK-226", U"QK-226", U"QK-226", U"QK-226",
      U"QK-226"},
     U"L10N_OPT_POSTINSERTER_QK_226"},
    // 905
    {{U"Z-Fold (A3/B4/Tabloid/8K)", U"Z折り（A3/B4/タブロイド/8K）",
      U"Pliage en Z (A3/B4/Tabloïd/8K)", U"Piegatura a Z (A3/B4/Tabloide/8K)",
      U"Z-Falz (A3/B4/US-Tabloid/8K)", U"Plegado en Z (A3/B4/Tabloide/8K)",
      U"Z 摺（A3/B4/小報/8K）", U"Z 折（A3/B4/小报/8K）", U"Z 접기(A3/B4/타블로이드/8K)"},
     U"L10N_OPT_FOLD_ZFOLD1"},
    // 906
    {{U"Z-Fold (Legal)", U"Z折り（リーガル）", U"Pliage en Z (Légal US)",
      U"Piegatura a Z (Legale USA)", U"Z-Falz (US-Legal)", U"Plegado en Z (Oficio)",
      U"Z 摺（法定用紙）", U"Z 折（法律专用纸）", U"Z 접기(리갈)"},
     U"L10N_OPT_FOLD_ZFOLD2"},
    // 907
    {{U"180°Rotate", U"180°回転", U"Rotation à 180°", U"Rotazione di 180°", U"180°-Drehung",
      U"Girar 180°", U"旋轉 180°", U"旋转 180°", U"180° 회전"},
     U"L10N_LBL_ROTATE180"},
    // 908
    {{U"40-49 g/m²", U"40-49 g/m²", U"40-49 g/m²", U"40-49 g/m²", U"40-49 g/m²", U"40-49 g/m²",
      U"40-49 g/m²", U"40-49 g/m²", U"40-49 g/m²"},
     U"L10N_OPT_MEDIAWEIGHT_THIN2_GM2"},
    // 909
    {{U"50-63 g/m²", U"50-63 g/m²", U"50-63 g/m²", U"50-63 g/m²", U"50-63 g/m²", U"50-63 g/m²",
      U"50-63 g/m²", U"50-63 g/m²", U"50-63 g/m²"},
     U"L10N_OPT_MEDIAWEIGHT_THIN_GM2"},
    // 910
    {{U"64-80 g/m²", U"64-80 g/m²", U"64-80 g/m²", U"64-80 g/m²", U"64-80 g/m²", U"64-80 g/m²",
      U"64-80 g/m²", U"64-80 g/m²", U"64-80 g/m²"},
     U"L10N_OPT_MEDIAWEIGHT_NORMAL_GM2"},
    // 911
    {{U"81-105 g/m²", U"81-105 g/m²", U"81-105 g/m²", U"81-105 g/m²", U"81-105 g/m²",
      U"81-105 g/m²", U"81-105 g/m²", U"81-105 g/m²", U"81-105 g/m²"},
     U"L10N_OPT_MEDIAWEIGHT_THICK_GM2"},
    // 912
    {{U"106-135 g/m²", U"106-135 g/m²", U"106-135 g/m²", U"106-135 g/m²", U"106-135 g/m²",
      U"106-135 g/m²", U"106-135 g/m²", U"106-135 g/m²", U"106-135 g/m²"},
     U"L10N_OPT_MEDIAWEIGHT_THICK2_GM2"},
    // 913
    {{U"136-163 g/m²", U"136-163 g/m²", U"136-163 g/m²", U"136-163 g/m²", U"136-163 g/m²",
      U"136-163 g/m²", U"136-163 g/m²", U"136-163 g/m²", U"136-163 g/m²"},
     U"L10N_OPT_MEDIAWEIGHT_THICK3_GM2"},
    // 914
    {{U"164-209 g/m²", U"164-209 g/m²", U"164-209 g/m²", U"164-209 g/m²", U"164-209 g/m²",
      U"164-209 g/m²", U"164-209 g/m²", U"164-209 g/m²", U"164-209 g/m²"},
     U"L10N_OPT_MEDIAWEIGHT_THICK4_GM2"},
    // 915
    {{U"210-256 g/m²", U"210-256 g/m²", U"210-256 g/m²", U"210-256 g/m²", U"210-256 g/m²",
      U"210-256 g/m²", U"210-256 g/m²", U"210-256 g/m²", U"210-256 g/m²"},
     U"L10N_OPT_MEDIAWEIGHT_THICK5_GM2"},
    // 916
    {{U"257-300 g/m²", U"257-300 g/m²", U"257-300 g/m²", U"257-300 g/m²", U"257-300 g/m²",
      U"257-300 g/m²", U"257-300 g/m²", U"257-300 g/m²", U"257-300 g/m²"},
     U"L10N_OPT_MEDIAWEIGHT_THICK6_GM2"},
    // 917
    {{U"301-350 g/m²", U"301-350 g/m²", U"301-350 g/m²", U"301-350 g/m²", U"301-350 g/m²",
      U"301-350 g/m²", U"301-350 g/m²", U"301-350 g/m²", U"301-350 g/m²"},
     U"L10N_OPT_MEDIAWEIGHT_THICK7_GM2"},
    // 918
    {{U"34-42 kg", U"34-42 kg", U"34-42 kg", U"34-42 kg", U"34-42 kg", U"34-42 kg", U"34-42 kg",
      U"34-42 kg", U"34-42 kg"},
     U"L10N_OPT_MEDIAWEIGHT_THIN2_KG1"},
    // 919
    {{U"43-54 kg", U"43-54 kg", U"43-54 kg", U"43-54 kg", U"43-54 kg", U"43-54 kg", U"43-54 kg",
      U"43-54 kg", U"43-54 kg"},
     U"L10N_OPT_MEDIAWEIGHT_THIN_KG1"},
    // 920
    {{U"55-69 kg", U"55-69 kg", U"55-69 kg", U"55-69 kg", U"55-69 kg", U"55-69 kg", U"55-69 kg",
      U"55-69 kg", U"55-69 kg"},
     U"L10N_OPT_MEDIAWEIGHT_NORMAL_KG1"},
    // 921
    {{U"70-90 kg", U"70-90 kg", U"70-90 kg", U"70-90 kg", U"70-90 kg", U"70-90 kg", U"70-90 kg",
      U"70-90 kg", U"70-90 kg"},
     U"L10N_OPT_MEDIAWEIGHT_THICK_KG1"},
    // 922
    {{U"91-116 kg", U"91-116 kg", U"91-116 kg", U"91-116 kg", U"91-116 kg", U"91-116 kg",
      U"91-116 kg", U"91-116 kg", U"91-116 kg"},
     U"L10N_OPT_MEDIAWEIGHT_THICK2_KG1"},
    // 923
    {{U"117-140 kg", U"117-140 kg", U"117-140 kg", U"117-140 kg", U"117-140 kg", U"117-140 kg",
      U"117-140 kg", U"117-140 kg", U"117-140 kg"},
     U"L10N_OPT_MEDIAWEIGHT_THICK3_KG1"},
    // 924
    {{U"141-180 kg", U"141-180 kg", U"141-180 kg", U"141-180 kg", U"141-180 kg", U"141-180 kg",
      U"141-180 kg", U"141-180 kg", U"141-180 kg"},
     U"L10N_OPT_MEDIAWEIGHT_THICK4_KG1"},
    // 925
    {{U"181-220 kg", U"181-220 kg", U"181-220 kg", U"181-220 kg", U"181-220 kg", U"181-220 kg",
      U"181-220 kg", U"181-220 kg", U"181-220 kg"},
     U"L10N_OPT_MEDIAWEIGHT_THICK5_KG1"},
    // 926
    {{U"221-258 kg", U"221-258 kg", U"221-258 kg", U"221-258 kg", U"221-258 kg", U"221-258 kg",
      U"221-258 kg", U"221-258 kg", U"221-258 kg"},
     U"L10N_OPT_MEDIAWEIGHT_THICK6_KG1"},
    // 927
    {{U"259-301 kg", U"259-301 kg", U"259-301 kg", U"259-301 kg", U"259-301 kg", U"259-301 kg",
      U"259-301 kg", U"259-301 kg", U"259-301 kg"},
     U"L10N_OPT_MEDIAWEIGHT_THICK7_KG1"},
    // 928
    {{U"22-27 kg", U"22-27 kg", U"22-27 kg", U"22-27 kg", U"22-27 kg", U"22-27 kg", U"22-27 kg",
      U"22-27 kg", U"22-27 kg"},
     U"L10N_OPT_MEDIAWEIGHT_THIN2_KG2"},
    // 929
    {{U"28-34 kg", U"28-34 kg", U"28-34 kg", U"28-34 kg", U"28-34 kg", U"28-34 kg", U"28-34 kg",
      U"28-34 kg", U"28-34 kg"},
     U"L10N_OPT_MEDIAWEIGHT_THIN_KG2"},
    // 930
    {{U"35-44 kg", U"35-44 kg", U"35-44 kg", U"35-44 kg", U"35-44 kg", U"35-44 kg", U"35-44 kg",
      U"35-44 kg", U"35-44 kg"},
     U"L10N_OPT_MEDIAWEIGHT_NORMAL_KG2"},
    // 931
    {{U"45-57 kg", U"45-57 kg", U"45-57 kg", U"45-57 kg", U"45-57 kg", U"45-57 kg", U"45-57 kg",
      U"45-57 kg", U"45-57 kg"},
     U"L10N_OPT_MEDIAWEIGHT_THICK_KG2"},
    // 932
    {{U"58-74 kg", U"58-74 kg", U"58-74 kg", U"58-74 kg", U"58-74 kg", U"58-74 kg", U"58-74 kg",
      U"58-74 kg", U"58-74 kg"},
     U"L10N_OPT_MEDIAWEIGHT_THICK2_KG2"},
    // 933
    {{U"75-89 kg", U"75-89 kg", U"75-89 kg", U"75-89 kg", U"75-89 kg", U"75-89 kg", U"75-89 kg",
      U"75-89 kg", U"75-89 kg"},
     U"L10N_OPT_MEDIAWEIGHT_THICK3_KG2"},
    // 934
    {{U"90-115 kg", U"90-115 kg", U"90-115 kg", U"90-115 kg", U"90-115 kg", U"90-115 kg",
      U"90-115 kg", U"90-115 kg", U"90-115 kg"},
     U"L10N_OPT_MEDIAWEIGHT_THICK4_KG2"},
    // 935
    {{U"116-140 kg", U"116-140 kg", U"116-140 kg", U"116-140 kg", U"116-140 kg", U"116-140 kg",
      U"116-140 kg", U"116-140 kg", U"116-140 kg"},
     U"L10N_OPT_MEDIAWEIGHT_THICK5_KG2"},
    // 936
    {{U"141-165 kg", U"141-165 kg", U"141-165 kg", U"141-165 kg", U"141-165 kg", U"141-165 kg",
      U"141-165 kg", U"141-165 kg", U"141-165 kg"},
     U"L10N_OPT_MEDIAWEIGHT_THICK6_KG2"},
    // 937
    {{U"166-193 kg", U"166-193 kg", U"166-193 kg", U"166-193 kg", U"166-193 kg", U"166-193 kg",
      U"166-193 kg", U"166-193 kg", U"166-193 kg"},
     U"L10N_OPT_MEDIAWEIGHT_THICK7_KG2"},
    // 938
    {{U"33-41 kg", U"33-41 kg", U"33-41 kg", U"33-41 kg", U"33-41 kg", U"33-41 kg", U"33-41 kg",
      U"33-41 kg", U"33-41 kg"},
     U"L10N_OPT_MEDIAWEIGHT_THIN2_KG3"},
    // 939
    {{U"42-52 kg", U"42-52 kg", U"42-52 kg", U"42-52 kg", U"42-52 kg", U"42-52 kg", U"42-52 kg",
      U"42-52 kg", U"42-52 kg"},
     U"L10N_OPT_MEDIAWEIGHT_THIN_KG3"},
    // 940
    {{U"53-66 kg", U"53-66 kg", U"53-66 kg", U"53-66 kg", U"53-66 kg", U"53-66 kg", U"53-66 kg",
      U"53-66 kg", U"53-66 kg"},
     U"L10N_OPT_MEDIAWEIGHT_NORMAL_KG3"},
    // 941
    {{U"67-87 kg", U"67-87 kg", U"67-87 kg", U"67-87 kg", U"67-87 kg", U"67-87 kg", U"67-87 kg",
      U"67-87 kg", U"67-87 kg"},
     U"L10N_OPT_MEDIAWEIGHT_THICK_KG3"},
    // 942
    {{U"88-112 kg", U"88-112 kg", U"88-112 kg", U"88-112 kg", U"88-112 kg", U"88-112 kg",
      U"88-112 kg", U"88-112 kg", U"88-112 kg"},
     U"L10N_OPT_MEDIAWEIGHT_THICK2_KG3"},
    // 943
    {{U"113-135 kg", U"113-135 kg", U"113-135 kg", U"113-135 kg", U"113-135 kg", U"113-135 kg",
      U"113-135 kg", U"113-135 kg", U"113-135 kg"},
     U"L10N_OPT_MEDIAWEIGHT_THICK3_KG3"},
    // 944
    {{U"136-173 kg", U"136-173 kg", U"136-173 kg", U"136-173 kg", U"136-173 kg", U"136-173 kg",
      U"136-173 kg", U"136-173 kg", U"136-173 kg"},
     U"L10N_OPT_MEDIAWEIGHT_THICK4_KG3"},
    // 945
    {{U"174-212 kg", U"174-212 kg", U"174-212 kg", U"174-212 kg", U"174-212 kg", U"174-212 kg",
      U"174-212 kg", U"174-212 kg", U"174-212 kg"},
     U"L10N_OPT_MEDIAWEIGHT_THICK5_KG3"},
    // 946
    {{U"213-249 kg", U"213-249 kg", U"213-249 kg", U"213-249 kg", U"213-249 kg", U"213-249 kg",
      U"213-249 kg", U"213-249 kg", U"213-249 kg"},
     U"L10N_OPT_MEDIAWEIGHT_THICK6_KG3"},
    // 947
    {{U"250-291 kg", U"250-291 kg", U"250-291 kg", U"250-291 kg", U"250-291 kg", U"250-291 kg",
      U"250-291 kg", U"250-291 kg", U"250-291 kg"},
     U"L10N_OPT_MEDIAWEIGHT_THICK7_KG3"},
    // 948
    {{U"24-29 kg", U"24-29 kg", U"24-29 kg", U"24-29 kg", U"24-29 kg", U"24-29 kg", U"24-29 kg",
      U"24-29 kg", U"24-29 kg"},
     U"L10N_OPT_MEDIAWEIGHT_THIN2_KG4"},
    // 949
    {{U"30-37 kg", U"30-37 kg", U"30-37 kg", U"30-37 kg", U"30-37 kg", U"30-37 kg", U"30-37 kg",
      U"30-37 kg", U"30-37 kg"},
     U"L10N_OPT_MEDIAWEIGHT_THIN_KG4"},
    // 950
    {{U"38-47 kg", U"38-47 kg", U"38-47 kg", U"38-47 kg", U"38-47 kg", U"38-47 kg", U"38-47 kg",
      U"38-47 kg", U"38-47 kg"},
     U"L10N_OPT_MEDIAWEIGHT_NORMAL_KG4"},
    // 951
    {{U"48-62 kg", U"48-62 kg", U"48-62 kg", U"48-62 kg", U"48-62 kg", U"48-62 kg", U"48-62 kg",
      U"48-62 kg", U"48-62 kg"},
     U"L10N_OPT_MEDIAWEIGHT_THICK_KG4"},
    // 952
    {{U"63-80 kg", U"63-80 kg", U"63-80 kg", U"63-80 kg", U"63-80 kg", U"63-80 kg", U"63-80 kg",
      U"63-80 kg", U"63-80 kg"},
     U"L10N_OPT_MEDIAWEIGHT_THICK2_KG4"},
    // 953
    {{U"81-97 kg", U"81-97 kg", U"81-97 kg", U"81-97 kg", U"81-97 kg", U"81-97 kg", U"81-97 kg",
      U"81-97 kg", U"81-97 kg"},
     U"L10N_OPT_MEDIAWEIGHT_THICK3_KG4"},
    // 954
    {{U"98-124 kg", U"98-124 kg", U"98-124 kg", U"98-124 kg", U"98-124 kg", U"98-124 kg",
      U"98-124 kg", U"98-124 kg", U"98-124 kg"},
     U"L10N_OPT_MEDIAWEIGHT_THICK4_KG4"},
    // 955
    {{U"125-152 kg", U"125-152 kg", U"125-152 kg", U"125-152 kg", U"125-152 kg", U"125-152 kg",
      U"125-152 kg", U"125-152 kg", U"125-152 kg"},
     U"L10N_OPT_MEDIAWEIGHT_THICK5_KG4"},
    // 956
    {{U"153-179 kg", U"153-179 kg", U"153-179 kg", U"153-179 kg", U"153-179 kg", U"153-179 kg",
      U"153-179 kg", U"153-179 kg", U"153-179 kg"},
     U"L10N_OPT_MEDIAWEIGHT_THICK6_KG4"},
    // 957
    {{U"180-209 kg", U"180-209 kg", U"180-209 kg", U"180-209 kg", U"180-209 kg", U"180-209 kg",
      U"180-209 kg", U"180-209 kg", U"180-209 kg"},
     U"L10N_OPT_MEDIAWEIGHT_THICK7_KG4"},
    // 958
    {{U"11-12 lb", U"11-12 lb", U"11-12 lb", U"11-12 lb", U"11-12 lb", U"11-12 lb", U"11-12 lb",
      U"11-12 lb", U"11-12 lb"},
     U"L10N_OPT_MEDIAWEIGHT_THIN2_LB1"},
    // 959
    {{U"13-16 lb", U"13-16 lb", U"13-16 lb", U"13-16 lb", U"13-16 lb", U"13-16 lb", U"13-16 lb",
      U"13-16 lb", U"13-16 lb"},
     U"L10N_OPT_MEDIAWEIGHT_THIN_LB1"},
    // 960
    {{U"17-21 lb", U"17-21 lb", U"17-21 lb", U"17-21 lb", U"17-21 lb", U"17-21 lb", U"17-21 lb",
      U"17-21 lb", U"17-21 lb"},
     U"L10N_OPT_MEDIAWEIGHT_NORMAL_LB1"},
    // 961
    {{U"22-27 lb", U"22-27 lb", U"22-27 lb", U"22-27 lb", U"22-27 lb", U"22-27 lb", U"22-27 lb",
      U"22-27 lb", U"22-27 lb"},
     U"L10N_OPT_MEDIAWEIGHT_THICK_LB1"},
    // 962
    {{U"28-35 lb", U"28-35 lb", U"28-35 lb", U"28-35 lb", U"28-35 lb", U"28-35 lb", U"28-35 lb",
      U"28-35 lb", U"28-35 lb"},
     U"L10N_OPT_MEDIAWEIGHT_THICK2_LB1"},
    // 963
    {{U"36-43 lb", U"36-43 lb", U"36-43 lb", U"36-43 lb", U"36-43 lb", U"36-43 lb", U"36-43 lb",
      U"36-43 lb", U"36-43 lb"},
     U"L10N_OPT_MEDIAWEIGHT_THICK3_LB1"},
    // 964
    {{U"44-55 lb", U"44-55 lb", U"44-55 lb", U"44-55 lb", U"44-55 lb", U"44-55 lb", U"44-55 lb",
      U"44-55 lb", U"44-55 lb"},
     U"L10N_OPT_MEDIAWEIGHT_THICK4_LB1"},
    // 965
    {{U"56-67 lb", U"56-67 lb", U"56-67 lb", U"56-67 lb", U"56-67 lb", U"56-67 lb", U"56-67 lb",
      U"56-67 lb", U"56-67 lb"},
     U"L10N_OPT_MEDIAWEIGHT_THICK5_LB1"},
    // 966
    {{U"68-79 lb", U"68-79 lb", U"68-79 lb", U"68-79 lb", U"68-79 lb", U"68-79 lb", U"68-79 lb",
      U"68-79 lb", U"68-79 lb"},
     U"L10N_OPT_MEDIAWEIGHT_THICK6_LB1"},
    // 967
    {{U"80-93 lb", U"80-93 lb", U"80-93 lb", U"80-93 lb", U"80-93 lb", U"80-93 lb", U"80-93 lb",
      U"80-93 lb", U"80-93 lb"},
     U"L10N_OPT_MEDIAWEIGHT_THICK7_LB1"},
    // 968
    {{U"27-33 lb", U"27-33 lb", U"27-33 lb", U"27-33 lb", U"27-33 lb", U"27-33 lb", U"27-33 lb",
      U"27-33 lb", U"27-33 lb"},
     U"L10N_OPT_MEDIAWEIGHT_THIN2_LB2"},
    // 969
    {{U"34-42 lb", U"34-42 lb", U"34-42 lb", U"34-42 lb", U"34-42 lb", U"34-42 lb", U"34-42 lb",
      U"34-42 lb", U"34-42 lb"},
     U"L10N_OPT_MEDIAWEIGHT_THIN_LB2"},
    // 970
    {{U"43-54 lb", U"43-54 lb", U"43-54 lb", U"43-54 lb", U"43-54 lb", U"43-54 lb", U"43-54 lb",
      U"43-54 lb", U"43-54 lb"},
     U"L10N_OPT_MEDIAWEIGHT_NORMAL_LB2"},
    // 971
    {{U"55-71 lb", U"55-71 lb", U"55-71 lb", U"55-71 lb", U"55-71 lb", U"55-71 lb", U"55-71 lb",
      U"55-71 lb", U"55-71 lb"},
     U"L10N_OPT_MEDIAWEIGHT_THICK_LB2"},
    // 972
    {{U"72-91 lb", U"72-91 lb", U"72-91 lb", U"72-91 lb", U"72-91 lb", U"72-91 lb", U"72-91 lb",
      U"72-91 lb", U"72-91 lb"},
     U"L10N_OPT_MEDIAWEIGHT_THICK2_LB2"},
    // 973
    {{U"92-110 lb", U"92-110 lb", U"92-110 lb", U"92-110 lb", U"92-110 lb", U"92-110 lb",
      U"92-110 lb", U"92-110 lb", U"92-110 lb"},
     U"L10N_OPT_MEDIAWEIGHT_THICK3_LB2"},
    // 974
    {{U"111-141 lb", U"111-141 lb", U"111-141 lb", U"111-141 lb", U"111-141 lb", U"111-141 lb",
      U"111-141 lb", U"111-141 lb", U"111-141 lb"},
     U"L10N_OPT_MEDIAWEIGHT_THICK4_LB2"},
    // 975
    {{U"142-173 lb", U"142-173 lb", U"142-173 lb", U"142-173 lb", U"142-173 lb", U"142-173 lb",
      U"142-173 lb", U"142-173 lb", U"142-173 lb"},
     U"L10N_OPT_MEDIAWEIGHT_THICK5_LB2"},
    // 976
    {{U"174-202 lb", U"174-202 lb", U"174-202 lb", U"174-202 lb", U"174-202 lb", U"174-202 lb",
      U"174-202 lb", U"174-202 lb", U"174-202 lb"},
     U"L10N_OPT_MEDIAWEIGHT_THICK6_LB2"},
    // 977
    {{U"203-236 lb", U"203-236 lb", U"203-236 lb", U"203-236 lb", U"203-236 lb", U"203-236 lb",
      U"203-236 lb", U"203-236 lb", U"203-236 lb"},
     U"L10N_OPT_MEDIAWEIGHT_THICK7_LB2"},
    // 978
    {{U"18-22 lb", U"18-22 lb", U"18-22 lb", U"18-22 lb", U"18-22 lb", U"18-22 lb", U"18-22 lb",
      U"18-22 lb", U"18-22 lb"},
     U"L10N_OPT_MEDIAWEIGHT_THIN2_LB3"},
    // 979
    {{U"23-28 lb", U"23-28 lb", U"23-28 lb", U"23-28 lb", U"23-28 lb", U"23-28 lb", U"23-28 lb",
      U"23-28 lb", U"23-28 lb"},
     U"L10N_OPT_MEDIAWEIGHT_THIN_LB3"},
    // 980
    {{U"29-36 lb", U"29-36 lb", U"29-36 lb", U"29-36 lb", U"29-36 lb", U"29-36 lb", U"29-36 lb",
      U"29-36 lb", U"29-36 lb"},
     U"L10N_OPT_MEDIAWEIGHT_NORMAL_LB3"},
    // 981
    {{U"37-47 lb", U"37-47 lb", U"37-47 lb", U"37-47 lb", U"37-47 lb", U"37-47 lb", U"37-47 lb",
      U"37-47 lb", U"37-47 lb"},
     U"L10N_OPT_MEDIAWEIGHT_THICK_LB3"},
    // 982
    {{U"48-61 lb", U"48-61 lb", U"48-61 lb", U"48-61 lb", U"48-61 lb", U"48-61 lb", U"48-61 lb",
      U"48-61 lb", U"48-61 lb"},
     U"L10N_OPT_MEDIAWEIGHT_THICK2_LB3"},
    // 983
    {{U"62-74 lb", U"62-74 lb", U"62-74 lb", U"62-74 lb", U"62-74 lb", U"62-74 lb", U"62-74 lb",
      U"62-74 lb", U"62-74 lb"},
     U"L10N_OPT_MEDIAWEIGHT_THICK3_LB3"},
    // 984
    {{U"75-95 lb", U"75-95 lb", U"75-95 lb", U"75-95 lb", U"75-95 lb", U"75-95 lb", U"75-95 lb",
      U"75-95 lb", U"75-95 lb"},
     U"L10N_OPT_MEDIAWEIGHT_THICK4_LB3"},
    // 985
    {{U"96-116 lb", U"96-116 lb", U"96-116 lb", U"96-116 lb", U"96-116 lb", U"96-116 lb",
      U"96-116 lb", U"96-116 lb", U"96-116 lb"},
     U"L10N_OPT_MEDIAWEIGHT_THICK5_LB3"},
    // 986
    {{U"117-136 lb", U"117-136 lb", U"117-136 lb", U"117-136 lb", U"117-136 lb", U"117-136 lb",
      U"117-136 lb", U"117-136 lb", U"117-136 lb"},
     U"L10N_OPT_MEDIAWEIGHT_THICK6_LB3"},
    // 987
    {{U"137-160 lb", U"137-160 lb", U"137-160 lb", U"137-160 lb", U"137-160 lb", U"137-160 lb",
      U"137-160 lb", U"137-160 lb", U"137-160 lb"},
     U"L10N_OPT_MEDIAWEIGHT_THICK7_LB3"},
    // 988
    {{U"15-17 lb", U"15-17 lb", U"15-17 lb", U"15-17 lb", U"15-17 lb", U"15-17 lb", U"15-17 lb",
      U"15-17 lb", U"15-17 lb"},
     U"L10N_OPT_MEDIAWEIGHT_THIN2_LB4"},
    // 989
    {{U"18-23 lb", U"18-23 lb", U"18-23 lb", U"18-23 lb", U"18-23 lb", U"18-23 lb", U"18-23 lb",
      U"18-23 lb", U"18-23 lb"},
     U"L10N_OPT_MEDIAWEIGHT_THIN_LB4"},
    // 990
    {{U"24-29 lb", U"24-29 lb", U"24-29 lb", U"24-29 lb", U"24-29 lb", U"24-29 lb", U"24-29 lb",
      U"24-29 lb", U"24-29 lb"},
     U"L10N_OPT_MEDIAWEIGHT_NORMAL_LB4"},
    // 991
    {{U"30-38 lb", U"30-38 lb", U"30-38 lb", U"30-38 lb", U"30-38 lb", U"30-38 lb", U"30-38 lb",
      U"30-38 lb", U"30-38 lb"},
     U"L10N_OPT_MEDIAWEIGHT_THICK_LB4"},
    // 992
    {{U"39-49 lb", U"39-49 lb", U"39-49 lb", U"39-49 lb", U"39-49 lb", U"39-49 lb", U"39-49 lb",
      U"39-49 lb", U"39-49 lb"},
     U"L10N_OPT_MEDIAWEIGHT_THICK2_LB4"},
    // 993
    {{U"50-60 lb", U"50-60 lb", U"50-60 lb", U"50-60 lb", U"50-60 lb", U"50-60 lb", U"50-60 lb",
      U"50-60 lb", U"50-60 lb"},
     U"L10N_OPT_MEDIAWEIGHT_THICK3_LB4"},
    // 994
    {{U"61-77 lb", U"61-77 lb", U"61-77 lb", U"61-77 lb", U"61-77 lb", U"61-77 lb", U"61-77 lb",
      U"61-77 lb", U"61-77 lb"},
     U"L10N_OPT_MEDIAWEIGHT_THICK4_LB4"},
    // 995
    {{U"78-94 lb", U"78-94 lb", U"78-94 lb", U"78-94 lb", U"78-94 lb", U"78-94 lb", U"78-94 lb",
      U"78-94 lb", U"78-94 lb"},
     U"L10N_OPT_MEDIAWEIGHT_THICK5_LB4"},
    // 996
    {{U"95-110 lb", U"95-110 lb", U"95-110 lb", U"95-110 lb", U"95-110 lb", U"95-110 lb",
      U"95-110 lb", U"95-110 lb", U"95-110 lb"},
     U"L10N_OPT_MEDIAWEIGHT_THICK6_LB4"},
    // 997
    {{U"111-129 lb", U"111-129 lb", U"111-129 lb", U"111-129 lb", U"111-129 lb", U"111-129 lb",
      U"111-129 lb", U"111-129 lb", U"111-129 lb"},
     U"L10N_OPT_MEDIAWEIGHT_THICK7_LB4"},
    // 998
    {{U"22-27 lb", U"22-27 lb", U"22-27 lb", U"22-27 lb", U"22-27 lb", U"22-27 lb", U"22-27 lb",
      U"22-27 lb", U"22-27 lb"},
     U"L10N_OPT_MEDIAWEIGHT_THIN2_LB5"},
    // 999
    {{U"28-34 lb", U"28-34 lb", U"28-34 lb", U"28-34 lb", U"28-34 lb", U"28-34 lb", U"28-34 lb",
      U"28-34 lb", U"28-34 lb"},
     U"L10N_OPT_MEDIAWEIGHT_THIN_LB5"},
    // 1000
    {{U"35-44 lb", U"35-44 lb", U"35-44 lb", U"35-44 lb", U"35-44 lb", U"35-44 lb", U"35-44 lb",
      U"35-44 lb", U"35-44 lb"},
     U"L10N_OPT_MEDIAWEIGHT_NORMAL_LB5"},
    // 1001
    {{U"45-58 lb", U"45-58 lb", U"45-58 lb", U"45-58 lb", U"45-58 lb", U"45-58 lb", U"45-58 lb",
      U"45-58 lb", U"45-58 lb"},
     U"L10N_OPT_MEDIAWEIGHT_THICK_LB5"},
    // 1002
    {{U"59-74 lb", U"59-74 lb", U"59-74 lb", U"59-74 lb", U"59-74 lb", U"59-74 lb", U"59-74 lb",
      U"59-74 lb", U"59-74 lb"},
     U"L10N_OPT_MEDIAWEIGHT_THICK2_LB5"},
    // 1003
    {{U"75-90 lb", U"75-90 lb", U"75-90 lb", U"75-90 lb", U"75-90 lb", U"75-90 lb", U"75-90 lb",
      U"75-90 lb", U"75-90 lb"},
     U"L10N_OPT_MEDIAWEIGHT_THICK3_LB5"},
    // 1004
    {{U"91-115 lb", U"91-115 lb", U"91-115 lb", U"91-115 lb", U"91-115 lb", U"91-115 lb",
      U"91-115 lb", U"91-115 lb", U"91-115 lb"},
     U"L10N_OPT_MEDIAWEIGHT_THICK4_LB5"},
    // 1005
    {{U"116-141 lb", U"116-141 lb", U"116-141 lb", U"116-141 lb", U"116-141 lb", U"116-141 lb",
      U"116-141 lb", U"116-141 lb", U"116-141 lb"},
     U"L10N_OPT_MEDIAWEIGHT_THICK5_LB5"},
    // 1006
    {{U"142-165 lb", U"142-165 lb", U"142-165 lb", U"142-165 lb", U"142-165 lb", U"142-165 lb",
      U"142-165 lb", U"142-165 lb", U"142-165 lb"},
     U"L10N_OPT_MEDIAWEIGHT_THICK6_LB5"},
    // 1007
    {{U"166-194 lb", U"166-194 lb", U"166-194 lb", U"166-194 lb", U"166-194 lb", U"166-194 lb",
      U"166-194 lb", U"166-194 lb", U"166-194 lb"},
     U"L10N_OPT_MEDIAWEIGHT_THICK7_LB5"},
    // 1008
    {{U"25-30 lb", U"25-30 lb", U"25-30 lb", U"25-30 lb", U"25-30 lb", U"25-30 lb", U"25-30 lb",
      U"25-30 lb", U"25-30 lb"},
     U"L10N_OPT_MEDIAWEIGHT_THIN2_LB6"},
    // 1009
    {{U"31-38 lb", U"31-38 lb", U"31-38 lb", U"31-38 lb", U"31-38 lb", U"31-38 lb", U"31-38 lb",
      U"31-38 lb", U"31-38 lb"},
     U"L10N_OPT_MEDIAWEIGHT_THIN_LB6"},
    // 1010
    {{U"39-49 lb", U"39-49 lb", U"39-49 lb", U"39-49 lb", U"39-49 lb", U"39-49 lb", U"39-49 lb",
      U"39-49 lb", U"39-49 lb"},
     U"L10N_OPT_MEDIAWEIGHT_NORMAL_LB6"},
    // 1011
    {{U"50-64 lb", U"50-64 lb", U"50-64 lb", U"50-64 lb", U"50-64 lb", U"50-64 lb", U"50-64 lb",
      U"50-64 lb", U"50-64 lb"},
     U"L10N_OPT_MEDIAWEIGHT_THICK_LB6"},
    // 1012
    {{U"65-83 lb", U"65-83 lb", U"65-83 lb", U"65-83 lb", U"65-83 lb", U"65-83 lb", U"65-83 lb",
      U"65-83 lb", U"65-83 lb"},
     U"L10N_OPT_MEDIAWEIGHT_THICK2_LB6"},
    // 1013
    {{U"84-100 lb", U"84-100 lb", U"84-100 lb", U"84-100 lb", U"84-100 lb", U"84-100 lb",
      U"84-100 lb", U"84-100 lb", U"84-100 lb"},
     U"L10N_OPT_MEDIAWEIGHT_THICK3_LB6"},
    // 1014
    {{U"101-128 lb", U"101-128 lb", U"101-128 lb", U"101-128 lb", U"101-128 lb", U"101-128 lb",
      U"101-128 lb", U"101-128 lb", U"101-128 lb"},
     U"L10N_OPT_MEDIAWEIGHT_THICK4_LB6"},
    // 1015
    {{U"129-157 lb", U"129-157 lb", U"129-157 lb", U"129-157 lb", U"129-157 lb", U"129-157 lb",
      U"129-157 lb", U"129-157 lb", U"129-157 lb"},
     U"L10N_OPT_MEDIAWEIGHT_THICK5_LB6"},
    // 1016
    {{U"158-184 lb", U"158-184 lb", U"158-184 lb", U"158-184 lb", U"158-184 lb", U"158-184 lb",
      U"158-184 lb", U"158-184 lb", U"158-184 lb"},
     U"L10N_OPT_MEDIAWEIGHT_THICK6_LB6"},
    // 1017
    {{U"185-215 lb", U"185-215 lb", U"185-215 lb", U"185-215 lb", U"185-215 lb", U"185-215 lb",
      U"185-215 lb", U"185-215 lb", U"185-215 lb"},
     U"L10N_OPT_MEDIAWEIGHT_THICK7_LB6"},
    // 1018
    {{U"Type 1", U"タイプ1", U"Type 1", U"Tipo 1", U"Typ 1", U"Tipo 1", U"類型 1", U"类型 1",
      U"유형 1"},
     U"L10N_OPT_SMOOTHING_DARK"},
    // 1019
    {{U"Type 2", U"タイプ2", U"Type 2", U"Tipo 2", U"Typ 2", U"Tipo 2", U"類型 2", U"类型 2",
      U"유형 2"},
     U"L10N_OPT_SMOOTHING_MEDIUM"},
    // 1020
    {{U"Type 3", U"タイプ3", U"Type 3", U"Tipo 3", U"Typ 3", U"Tipo 3", U"類型 3", U"类型 3",
      U"유형 3"},
     U"L10N_OPT_SMOOTHING_LIGHT"},
    // 1021
    {{U"Form", U"フォーム", U"Formulaire", U"Modulo", U"Formular", U"Formulario", U"表單", U"表单",
      U"양식"},
     U"L10N_OPT_OUTPUTMETHOD_FORM"},
    // 1022
    {{U"7.5°", U"7.5°", U"7.5°", U"7.5°", U"7.5°", U"7.5°", U"7.5°", U"7.5°", U"7.5°"},
     U"L10N_OPT_SCREENANGLE_7"},
    // 1023
    {{U"22.5°", U"22.5°", U"22.5°", U"22.5°", U"22.5°", U"22.5°", U"22.5°", U"22.5°", U"22.5°"},
     U"L10N_OPT_SCREENANGLE_22"},
    // 1024
    {{U"37.5°", U"37.5°", U"37.5°", U"37.5°", U"37.5°", U"37.5°", U"37.5°", U"37.5°", U"37.5°"},
     U"L10N_OPT_SCREENANGLE_37"},
    // 1025
    {{U"52.5°", U"52.5°", U"52.5°", U"52.5°", U"52.5°", U"52.5°", U"52.5°", U"52.5°", U"52.5°"},
     U"L10N_OPT_SCREENANGLE_52"},
    // 1026
    {{U"67.5°", U"67.5°", U"67.5°", U"67.5°", U"67.5°", U"67.5°", U"67.5°", U"67.5°", U"67.5°"},
     U"L10N_OPT_SCREENANGLE_67"},
    // 1027
    {{U"82.5°", U"82.5°", U"82.5°", U"82.5°", U"82.5°", U"82.5°", U"82.5°", U"82.5°", U"82.5°"},
     U"L10N_OPT_SCREENANGLE_82"},
    // 1028
    {{U"97.5°", U"97.5°", U"97.5°", U"97.5°", U"97.5°", U"97.5°", U"97.5°", U"97.5°", U"97.5°"},
     U"L10N_OPT_SCREENANGLE_97"},
    // 1029
    {{U"112.5°", U"112.5°", U"112.5°", U"112.5°", U"112.5°", U"112.5°", U"112.5°", U"112.5°",
      U"112.5°"},
     U"L10N_OPT_SCREENANGLE_112"},
    // 1030
    {{U"127.5°", U"127.5°", U"127.5°", U"127.5°", U"127.5°", U"127.5°", U"127.5°", U"127.5°",
      U"127.5°"},
     U"L10N_OPT_SCREENANGLE_127"},
    // 1031
    {{U"142.5°", U"142.5°", U"142.5°", U"142.5°", U"142.5°", U"142.5°", U"142.5°", U"142.5°",
      U"142.5°"},
     U"L10N_OPT_SCREENANGLE_142"},
    // 1032
    {{U"157.5°", U"157.5°", U"157.5°", U"157.5°", U"157.5°", U"157.5°", U"157.5°", U"157.5°",
      U"157.5°"},
     U"L10N_OPT_SCREENANGLE_157"},
    // 1033
    {{U"172.5°", U"172.5°", U"172.5°", U"172.5°", U"172.5°", U"172.5°", U"172.5°", U"172.5°",
      U"172.5°"},
     U"L10N_OPT_SCREENANGLE_172"},
    // 1034
    {{U"Shift Front/Back Separately", U"表面と裏面で個別にシフト",
      U"Décaler recto et verso séparément", U"Spostamento separato fronte/retro",
      U"Vorder- und Rückseite getrennt verschieben", U"Desplazar anverso y reverso por separado",
      U"正面/背面分別位移", U"正面/背面分别偏移", U"앞면/뒷면 개별 이동"},
     U"L10N_LBL_SHIFTFRONTBACK"},
    // 1035
    {{U"Tray", U"トレイ", U"Bac", U"Vassoio", U"Fach", U"Bandeja", U"紙匣", U"纸盒", U"용지함"},
     U"L10N_PAPER_LIST_TRAYSETTINGS_TRAYNAME"},
    // 1036
    {{U"No.", U"番号", U"N°", U"N.", U"Nr.", U"N.º", U"編號", U"编号", U"번호"},
     U"L10N_PAPER_LIST_PAPERNAMES_NUMBER"},
    // 1037
    {{U"Paper Type", U"用紙種類", U"Type de papier", U"Tipo di carta", U"Papiertyp",
      U"Tipo de papel", U"紙張類型", U"纸张类型", U"용지 종류"},
     U"L10N_PAPER_LIST_TRAYSETTINGS_MEDIATYPE"},
    // 1038
    {{U"Paper Type", U"用紙種類", U"Type de papier", U"Tipo di carta", U"Papiertyp",
      U"Tipo de papel", U"紙張類型", U"纸张类型", U"용지 종류"},
     U"L10N_PAPER_LIST_PAPERNAMES_TYPE"},
    // 1039
    {{U"Paper Weight", U"坪量", U"Grammage", U"Grammatura", U"Papiergewicht", U"Gramaje",
      U"紙張磅數", U"纸张克重", U"용지 평량"},
     U"L10N_PAPER_LIST_TRAYSETTINGS_MEDIAWEIGHT"},
    // 1040
    {{U"Paper Weight", U"坪量", U"Grammage", U"Grammatura", U"Papiergewicht", U"Gramaje",
      U"紙張磅數", U"纸张克重", U"용지 평량"},
     U"L10N_PAPER_LIST_PAPERNAMES_WEIGHT"},
    // 1041
    {{U"Paper Color", U"用紙色", U"Couleur du papier", U"Colore carta", U"Papierfarbe",
      U"Color del papel", U"紙張顏色", U"纸张颜色", U"용지 색상"},
     U"L10N_PAPER_LIST_TRAYSETTINGS_MEDIACOLOR"},
    // 1042
    {{U"Paper Color", U"用紙色", U"Couleur du papier", U"Colore carta", U"Papierfarbe",
      U"Color del papel", U"紙張顏色", U"纸张颜色", U"용지 색상"},
     U"L10N_PAPER_LIST_PAPERNAMES_COLOR"},
    // 1043
    {{U"Pre-Punched", U"パンチ済み", U"Préperforé", U"Preforato", U"Vorgelocht", U"Preperforado",
      U"預打孔", U"预打孔", U"미리 펀치된 용지"},
     U"L10N_PAPER_LIST_TRAYSETTINGS_MEDIAPREPUNCHED"},
    // 1044
    {{U"Pre-Punched", U"パンチ済み", U"Préperforé", U"Preforato", U"Vorgelocht", U"Preperforado",
      U"預打孔", U"预打孔", U"미리 펀치된 용지"},
     U"L10N_PAPER_LIST_PAPERNAMES_PREPUNCHED"},
    // 1045
    {{U"Width (mm)", U"幅 (mm)", U"Largeur (mm)", U"Larghezza (mm)", U"Breite (mm)", U"Ancho (mm)",
      U"寬度 (mm)", U"宽度 (mm)", U"너비(mm)"},
     U"L10N_PAPER_LIST_PAPERSIZES_WIDTHMM"},
    // 1046
    {{U"Height (mm)", U"高さ (mm)", U"Hauteur (mm)", U"Altezza (mm)", U"Höhe (mm)", U"Alto (mm)",
      U"高度 (mm)", U"高度 (mm)", U"높이(mm)"},
     U"L10N_PAPER_LIST_PAPERSIZES_HEIGHTMM"},
    // 1047
    {{U"Output Order", U"出力順", U"Ordre de sortie", U"Ordine di uscita", U"Ausgabereihenfolge",
      U"Orden de salida", U"輸出順序", U"输出顺序", U"출력 순서"},
     U"L10N_OUTPUT_LBL_OUTPUTORDER"},
    // 1048
    {{U"Output Order", U"出力順", U"Ordre de sortie", U"Ordine di uscita", U"Ausgabereihenfolge",
      U"Orden de salida", U"輸出順序", U"输出顺序", U"출력 순서"},
     U"L10N_FINISHING_LBL_OUTPUTORDER"},
    // 1049
    {{U"Screen Frequency", U"スクリーン線数", U"Linéature", U"Frequenza retino", U"Rasterweite",
      U"Lineatura de trama", U"網屏線數", U"网屏线数", U"스크린 선수"},
     U"L10N_LBL_SCREENFREQ"},
    // 1050
    {{U"Screen Angle", U"スクリーン角度", U"Angle de trame", U"Angolo retino", U"Rasterwinkel",
      U"Ángulo de trama", U"網屏角度", U"网屏角度", U"스크린 각도"},
     U"L10N_LBL_SCREENANGLE"},
    // 1051
    {{U"Dot Shape", U"ドット形状", U"Forme du point", U"Forma del punto", U"Punktform",
      U"Forma del punto", U"網點形狀", U"网点形状", U"망점 모양"},
     U"L10N_LBL_SCREENDOT"},
    // 1052
    {{U"Tray Settings", U"トレイ設定", U"Paramètres des bacs", U"Impostazioni vassoi",
      U"Facheinstellungen", U"Configuración de bandejas", U"紙匣設定", U"纸盒设置", U"용지함 설정"},
     U"L10N_PAPER_GRP_TRAYSETTINGS"},
    // 1053
    {{U"Custom Paper Size", U"カスタム用紙サイズ", U"Format de papier personnalisé",
      U"Formato carta personalizzato", U"Benutzerdefiniertes Papierformat",
      U"Tamaño de papel personalizado", U"自訂紙張尺寸", U"自定义纸张尺寸",
      U"사용자 정의 용지 크기"},
     U"L10N_CUSTOMPAPER_LBL_TITLE"},
    // 1054
    {{U"Add Custom Size...", U"カスタムサイズの追加...", U"Ajouter un format personnalisé...",
      U"Aggiungi formato personalizzato...", U"Benutzerdefiniertes Format hinzufügen...",
      U"Agregar tamaño personalizado...", U"新增自訂尺寸...", U"添加自定义尺寸...",
      U"사용자 정의 크기 추가..."},
     U"L10N_CUSTOMPAPER_BTN_ADDCUSTOMSIZETITLE"},
    // 1055
    {{U"Width (inch)", U"幅 (インチ)", U"Largeur (pouces)", U"Larghezza (pollici)",
      U"Breite (Zoll)", U"Ancho (pulgadas)", U"寬度（英吋）", U"宽度（英寸）", U"너비(인치)"},
     U"L10N_PAPER_LIST_PAPERSIZES_WIDTHINCH"},
    // 1056
    {{U"Height (inch)", U"高さ (インチ)", U"Hauteur (pouces)", U"Altezza (pollici)", U"Höhe (Zoll)",
      U"Alto (pulgadas)", U"高度（英吋）", U"高度（英寸）", U"높이(인치)"},
     U"L10N_PAPER_LIST_PAPERSIZES_HEIGHTINCH"},
    // 1057
    {{U"2 in 1 (Reverse)", U"2アップ（逆順）", U"2 en 1 (inversé)", U"2 in 1 (inverso)",
      U"2 auf 1 (umgekehrt)", U"2 en 1 (inverso)", U"2 合 1（反向）", U"2 合 1（反向）",
      U"2페이지 모아 찍기 (역순)"},
     U"L10N_OPT_NUPCOUNT_2REVERSE"},
    // 1058
    {{U"4 in 1 (Reverse)", U"4アップ（逆順）", U"4 en 1 (inversé)", U"4 in 1 (inverso)",
      U"4 auf 1 (umgekehrt)", U"4 en 1 (inverso)", U"4 合 1（反向）", U"4 合 1（反向）",
      U"4페이지 모아 찍기 (역순)"},
     U"L10N_OPT_NUPCOUNT_4REVERSE"},
    // 1059
    {{U"6 in 1 (Reverse)", U"6アップ（逆順）", U"6 en 1 (inversé)", U"6 in 1 (inverso)",
      U"6 auf 1 (umgekehrt)", U"6 en 1 (inverso)", U"6 合 1（反向）", U"6 合 1（反向）",
      U"6페이지 모아 찍기 (역순)"},
     U"L10N_OPT_NUPCOUNT_6REVERSE"},
    // 1060
    {{U"8 in 1 (Reverse)", U"8アップ（逆順）", U"8 en 1 (inversé)", U"8 in 1 (inverso)",
      U"8 auf 1 (umgekehrt)", U"8 en 1 (inverso)", U"8 合 1（反向）", U"8 合 1（反向）",
      U"8페이지 모아 찍기 (역순)"},
     U"L10N_OPT_NUPCOUNT_8REVERSE"},
    // 1061
    {{U"9 in 1 (Reverse)", U"9アップ（逆順）", U"9 en 1 (inversé)", U"9 in 1 (inverso)",
      U"9 auf 1 (umgekehrt)", U"9 en 1 (inverso)", U"9 合 1（反向）", U"9 合 1（反向）",
      U"9페이지 모아 찍기 (역순)"},
     U"L10N_OPT_NUPCOUNT_9REVERSE"},
    // 1062
    {{U"16 in 1 (Reverse)", U"16アップ（逆順）", U"16 en 1 (inversé)", U"16 in 1 (inverso)",
      U"16 auf 1 (umgekehrt)", U"16 en 1 (inverso)", U"16 合 1（反向）", U"16 合 1（反向）",
      U"16페이지 모아 찍기 (역순)"},
     U"L10N_OPT_NUPCOUNT_16REVERSE"},
    // 1063
    {{U"2 Repeat Reversal (Left)", U"2回繰り返し反転（左）", U"Répétition 2 fois inversée (gauche)",
      U"Ripetizione 2 volte invertita (sinistra)", U"2-fach wiederholen, gespiegelt (links)",
      U"Repetir 2 veces invertido (izquierda)", U"重複 2 次反轉（左）", U"重复 2 次反转（左）",
      U"2회 반복 반전(왼쪽)"},
     U"L10N_OPT_LAYOUT_2REPEATREVERSELEFT"},
    // 1064
    {{U"2 Repeat Reversal (Right)", U"2回繰り返し反転（右）",
      U"Répétition 2 fois inversée (droite)", U"Ripetizione 2 volte invertita (destra)",
      U"2-fach wiederholen, gespiegelt (rechts)", U"Repetir 2 veces invertido (derecha)",
      U"重複 2 次反轉（右）", U"重复 2 次反转（右）", U"2회 반복 반전(오른쪽)"},
     U"L10N_OPT_LAYOUT_2REPEATREVERSERIGHT"},
    // 1065
    {{U"2 Repeat Reversal (Top)", U"2回繰り返し反転（上）", U"Répétition 2 fois inversée (haut)",
      U"Ripetizione 2 volte invertita (alto)", U"2-fach wiederholen, gespiegelt (oben)",
      U"Repetir 2 veces invertido (arriba)", U"重複 2 次反轉（上）", U"重复 2 次反转（上）",
      U"2회 반복 반전(위쪽)"},
     U"L10N_OPT_LAYOUT_2REPEATREVERSETOP"},
    // 1066
    {{U"2 Repeat Reversal (Bottom)", U"2回繰り返し反転（下）", U"Répétition 2 fois inversée (bas)",
      U"Ripetizione 2 volte invertita (basso)", U"2-fach wiederholen, gespiegelt (unten)",
      U"Repetir 2 veces invertido (abajo)", U"重複 2 次反轉（下）", U"重复 2 次反转（下）",
      U"2회 반복 반전(아래쪽)"},
     U"L10N_OPT_LAYOUT_2REPEATREVERSEBOTTOM"},
    // 1067
    {{U"(Modified)", U"（変更あり）", U"(modifié)", U"(modificato)", U"(geändert)", U"(modificado)",
      U"(已修改)", U"（已修改）", U"(변경됨)"},
     U"L10N_MAIN_LBL_MODIFIEDFLAG"},
    // 1068
    {{U"Coated", U"コート紙", U"Papier couché", U"Carta patinata", U"Gestrichenes Papier",
      U"Papel estucado", U"銅版紙", U"铜版纸", U"코팅지"},
     U"L10N_OPT_MEDIATYPE_COATED"},
    // 1069
    {{U"Coated 2", U"コート紙2", U"Papier couché 2", U"Carta patinata 2", U"Gestrichenes Papier 2",
      U"Papel estucado 2", U"銅版紙 2", U"铜版纸 2", U"코팅지 2"},
     U"L10N_OPT_MEDIATYPE_COATED2"},
    // 1070
    {{U"Book/News", U"書籍/新聞用紙", U"Papier édition/journal", U"Carta per libri/giornali",
      U"Buch-/Zeitungspapier", U"Papel libro/prensa", U"書籍/新聞紙", U"书籍/新闻纸",
      U"서적/신문 용지"},
     U"L10N_OPT_MEDIATYPE_BOOK"},
    // 1071
    {{U"Embossed", U"エンボス紙", U"Papier gaufré", U"Carta goffrata", U"Prägepapier",
      U"Papel gofrado", U"壓紋紙", U"压纹纸", U"엠보스 용지"},
     U"L10N_OPT_MEDIATYPE_ROUGH"},
    // 1072
    {{U"Envelope", U"封筒", U"Enveloppe", U"Busta", U"Umschlag", U"Sobre", U"信封", U"信封",
      U"봉투"},
     U"L10N_OPT_MEDIATYPE_ENVELOPE"},
    // 1073
    {{U"Textured Paper", U"凹凸紙", U"Papier texturé", U"Carta ruvida", U"Strukturpapier",
      U"Papel texturizado", U"紋理紙", U"纹理纸", U"질감 용지"},
     U"L10N_OPT_MEDIATYPE_EMBOSSED"},
    // 1074
    {{U"Show Tab 2", U"タブ2を表示", U"Afficher l'onglet 2", U"Mostra linguetta 2",
      U"Register 2 anzeigen", U"Mostrar pestaña 2", U"顯示索引標籤 2", U"显示索引标签 2",
      U"탭 2 표시"},
     U"L10N_TABSETTINGS_LBL_TAB1TAB2SHOW"},
    // 1075
    {{U"Show Tab 2", U"タブ2を表示", U"Afficher l'onglet 2", U"Mostra linguetta 2",
      U"Register 2 anzeigen", U"Mostrar pestaña 2", U"顯示索引標籤 2", U"显示索引标签 2",
      U"탭 2 표시"},
     U"L10N_TABSETTINGS_LBL_TAB2TAB2SHOW"},
    // 1076
    {{U"Book", U"書籍用紙", U"Papier édition", U"Carta per libri", U"Werkdruckpapier",
      U"Papel para libros", U"書籍紙", U"书籍纸", U"서적지"},
     U"L10N_OPT_WEIGHTUNIT_LB2"},
    // 1077
    {{U"Bristol", U"ブリストル紙", U"Papier bristol", U"Cartoncino bristol", U"Bristolkarton",
      U"Cartulina bristol", U"布里斯托紙板", U"布里斯托纸板", U"브리스톨지"},
     U"L10N_OPT_WEIGHTUNIT_LB3"},
    // 1078
    {{U"Tag", U"タグ紙", U"Papier étiquette", U"Cartoncino per cartellini", U"Anhängerkarton",
      U"Cartulina para etiquetas", U"吊牌紙", U"吊牌纸", U"태그지"},
     U"L10N_OPT_WEIGHTUNIT_LB6"},
    // 1079
    {{U"Paper Names", U"用紙名", U"Noms de papier", U"Nomi carta", U"Papiernamen",
      U"Nombres de papel", U"紙張名稱", U"纸张名称", U"용지 이름"},
     U"L10N_PAPER_LBL_PAPERNAMES"},
    // 1080
    {{U"Paper Names", U"用紙名", U"Noms de papier", U"Nomi carta", U"Papiernamen",
      U"Nombres de papel", U"紙張名稱", U"纸张名称", U"용지 이름"},
     U"L10N_PAPER_GRP_PAPERNAMES"},
    // 1081
    {{U"Add Custom Size...", U"カスタムサイズの追加...", U"Ajouter un format personnalisé...",
      U"Aggiungi formato personalizzato...", U"Benutzerdefiniertes Format hinzufügen...",
      U"Agregar tamaño personalizado...", U"新增自訂尺寸...", U"添加自定义尺寸...",
      U"사용자 정의 크기 추가..."},
     U"L10N_PAPER_BTN_ADDCUSTOMSIZE"},
    // 1082
    {{U"Name", U"名前", U"Nom", U"Nome", U"Bezeichnung", U"Nombre", U"名稱", U"名称", U"이름"},
     U"L10N_PAPER_LIST_PAPERSIZES_NAME"},
    // 1083
    {{U"QK-WTX Tray 1", U"QK-WTX トレイ1", U"Bac 1 QK-WTX", U"Vassoio 1 QK-WTX", U"QK-WTX Fach 1",
      U"Bandeja 1 QK-WTX", U"QK-WTX 紙匣 1", U"QK-WTX 纸盒 1", U"QK-WTX 용지함 1"},
     U"L10N_OPT_PERFECTBINDTRAY_PFUTRAY1"},
    // 1084
    {{U"QK-WTX Tray 1", U"QK-WTX トレイ1", U"Bac 1 QK-WTX", U"Vassoio 1 QK-WTX", U"QK-WTX Fach 1",
      U"Bandeja 1 QK-WTX", U"QK-WTX 紙匣 1", U"QK-WTX 纸盒 1", U"QK-WTX 용지함 1"},
     U"L10N_OPT_PIFRONTCOVERTRAY_PFUTRAY1"},
    // 1085
    {{U"QK-WTX Tray 1", U"QK-WTX トレイ1", U"Bac 1 QK-WTX", U"Vassoio 1 QK-WTX", U"QK-WTX Fach 1",
      U"Bandeja 1 QK-WTX", U"QK-WTX 紙匣 1", U"QK-WTX 纸盒 1", U"QK-WTX 용지함 1"},
     U"L10N_OPT_PIBACKCOVERTRAY_PFUTRAY1"},
    // 1086
    {{U"QK-WTX Tray 1", U"QK-WTX トレイ1", U"Bac 1 QK-WTX", U"Vassoio 1 QK-WTX", U"QK-WTX Fach 1",
      U"Bandeja 1 QK-WTX", U"QK-WTX 紙匣 1", U"QK-WTX 纸盒 1", U"QK-WTX 용지함 1"},
     U"L10N_OPT_PPSSOURCE_PFUTRAY1"},
    // 1087
    {{U"QK-WTX Tray 2", U"QK-WTX トレイ2", U"Bac 2 QK-WTX", U"Vassoio 2 QK-WTX", U"QK-WTX Fach 2",
      U"Bandeja 2 QK-WTX", U"QK-WTX 紙匣 2", U"QK-WTX 纸盒 2", U"QK-WTX 용지함 2"},
     U"L10N_OPT_PERFECTBINDTRAY_PFUTRAY2"},
    // 1088
    {{U"QK-WTX Tray 2", U"QK-WTX トレイ2", U"Bac 2 QK-WTX", U"Vassoio 2 QK-WTX", U"QK-WTX Fach 2",
      U"Bandeja 2 QK-WTX", U"QK-WTX 紙匣 2", U"QK-WTX 纸盒 2", U"QK-WTX 용지함 2"},
     U"L10N_OPT_PIFRONTCOVERTRAY_PFUTRAY2"},
    // 1089
    {{U"QK-WTX Tray 2", U"QK-WTX トレイ2", U"Bac 2 QK-WTX", U"Vassoio 2 QK-WTX", U"QK-WTX Fach 2",
      U"Bandeja 2 QK-WTX", U"QK-WTX 紙匣 2", U"QK-WTX 纸盒 2", U"QK-WTX 용지함 2"},
     U"L10N_OPT_PIBACKCOVERTRAY_PFUTRAY2"},
    // 1090
    {{U"QK-WTX Tray 2", U"QK-WTX トレイ2", U"Bac 2 QK-WTX", U"Vassoio 2 QK-WTX", U"QK-WTX Fach 2",
      U"Bandeja 2 QK-WTX", U"QK-WTX 紙匣 2", U"QK-WTX 纸盒 2", U"QK-WTX 용지함 2"},
     U"L10N_OPT_PPSSOURCE_PFUTRAY2"},
    // 1091
    {{U"QK-WTX Tray 3", U"QK-WTX トレイ3", U"Bac 3 QK-WTX", U"Vassoio 3 QK-WTX", U"QK-WTX Fach 3",
      U"Bandeja 3 QK-WTX", U"QK-WTX 紙匣 3", U"QK-WTX 纸盒 3", U"QK-WTX 용지함 3"},
     U"L10N_OPT_PERFECTBINDTRAY_PFUTRAY3"},
    // 1092
    {{U"QK-WTX Tray 3", U"QK-WTX トレイ3", U"Bac 3 QK-WTX", U"Vassoio 3 QK-WTX", U"QK-WTX Fach 3",
      U"Bandeja 3 QK-WTX", U"QK-WTX 紙匣 3", U"QK-WTX 纸盒 3", U"QK-WTX 용지함 3"},
     U"L10N_OPT_PIFRONTCOVERTRAY_PFUTRAY3"},
    // 1093
    {{U"QK-WTX Tray 3", U"QK-WTX トレイ3", U"Bac 3 QK-WTX", U"Vassoio 3 QK-WTX", U"QK-WTX Fach 3",
      U"Bandeja 3 QK-WTX", U"QK-WTX 紙匣 3", U"QK-WTX 纸盒 3", U"QK-WTX 용지함 3"},
     U"L10N_OPT_PIBACKCOVERTRAY_PFUTRAY3"},
    // 1094
    {{U"QK-WTX Tray 3", U"QK-WTX トレイ3", U"Bac 3 QK-WTX", U"Vassoio 3 QK-WTX", U"QK-WTX Fach 3",
      U"Bandeja 3 QK-WTX", U"QK-WTX 紙匣 3", U"QK-WTX 纸盒 3", U"QK-WTX 용지함 3"},
     U"L10N_OPT_PPSSOURCE_PFUTRAY3"},
    // 1095
    {{U"Get from Printer", U"プリンターから取得", U"Obtenir de l'imprimante",
      U"Ottieni dalla stampante", U"Vom Drucker abrufen", U"Obtener de la impresora",
      U"從印表機取得", U"从打印机获取", U"프린터에서 가져오기"},
     U"L10N_SCREEN_BTN_GATHER"},
    // 1096
    {{U"Screening Method", U"スクリーン方式", U"Méthode de tramage", U"Metodo di retinatura",
      U"Rasterverfahren", U"Método de tramado", U"網屏方式", U"网屏方式", U"스크린 방식"},
     U"L10N_LBL_SCREENING"},
    // 1097
    {{U"Photo", U"写真", U"Photo", U"Foto", U"Foto", U"Foto", U"相片", U"照片", U"사진"},
     U"L10N_OPT_SCREENING_PHOTO"},
    // 1098
    {{U"Text", U"文字", U"Texte", U"Testo", U"Text", U"Texto", U"文字", U"文本", U"텍스트"},
     U"L10N_OPT_SCREENING_TEXT"},
    // 1099
    {{U"Text", U"文字", U"Texte", U"Testo", U"Text", U"Texto", U"文字", U"文本", U"텍스트"},
     U"L10N_OPT_THINOBJECT_TEXT"},
    // 1100
    {{U"Text/Photo", U"文字/写真", U"Texte/Photo", U"Testo/Foto", U"Text/Foto", U"Texto/Foto",
      U"文字/相片", U"文本/照片", U"텍스트/사진"},
     U"L10N_OPT_SCREENING_TEXTPHOTO"},
    // 1101
    {{U"Dot Screen", U"網点スクリーン", U"Trame de points", U"Retino a punti", U"Punktraster",
      U"Trama de puntos", U"網點網屏", U"网点网屏", U"망점 스크린"},
     U"L10N_OPT_SCREENING_DOT"},
    // 1102
    {{U"Print Quality", U"印刷品質", U"Qualité d'impression", U"Qualità di stampa",
      U"Druckqualität", U"Calidad de impresión", U"列印品質", U"打印质量", U"인쇄 품질"},
     U"L10N_LBL_PRINTQUALITY"},
    // 1103
    {{U"Draft Print", U"ドラフト印刷", U"Impression brouillon", U"Stampa bozza", U"Entwurfsdruck",
      U"Impresión en borrador", U"草稿列印", U"草稿打印", U"초안 인쇄"},
     U"L10N_OPT_PRINTQUALITY_DRAFT"},
    // 1104
    {{U"Toner Save", U"トナー節約", U"Économie de toner", U"Risparmio toner", U"Tonersparmodus",
      U"Ahorro de tóner", U"省碳粉", U"省墨", U"토너 절약"},
     U"L10N_OPT_PRINTQUALITY_TONERSAVE"},
    // 1105
    {{U"Image Density Selection", U"画像濃度選択", U"Sélection de la densité d'image",
      U"Selezione densità immagine", U"Bilddichteauswahl", U"Selección de densidad de imagen",
      U"影像濃度選擇", U"图像浓度选择", U"이미지 농도 선택"},
     U"L10N_LBL_IMAGEDENSITY"},
    // 1106
    {{U" -5", U" -5", U" -5", U" -5", U" -5", U" -5", U" -5", U" -5", U" -5"},
     U"L10N_OPT_IMAGEDENSITY_LEVEL1"},
    // 1107
    {{U" -4", U" -4", U" -4", U" -4", U" -4", U" -4", U" -4", U" -4", U" -4"},
     U"L10N_OPT_IMAGEDENSITY_LEVEL2"},
    // 1108
    {{U" -3", U" -3", U" -3", U" -3", U" -3", U" -3", U" -3", U" -3", U" -3"},
     U"L10N_OPT_IMAGEDENSITY_LEVEL3"},
    // 1109
    {{U" -2", U" -2", U" -2", U" -2", U" -2", U" -2", U" -2", U" -2", U" -2"},
     U"L10N_OPT_IMAGEDENSITY_LEVEL4"},
    // 1110
    {{U" -1", U" -1", U" -1", U" -1", U" -1", U" -1", U" -1", U" -1", U" -1"},
     U"L10N_OPT_IMAGEDENSITY_LEVEL5"},
    // 1111
    {{U" +1", U" +1", U" +1", U" +1", U" +1", U" +1", U" +1", U" +1", U" +1"},
     U"L10N_OPT_IMAGEDENSITY_HEAVY"},
    // 1112
    {{U"Fine Line Precision", U"細線再現", U"Précision des traits fins",
      U"Precisione linee sottili", U"Feinlinienpräzision", U"Precisión de líneas finas",
      U"細線精確度", U"细线精度", U"가는 선 정밀도"},
     U"L10N_LBL_THINNING"},
    // 1113
    {{U"Level 1", U"レベル1", U"Niveau 1", U"Livello 1", U"Stufe 1", U"Nivel 1", U"等級 1",
      U"级别 1", U"레벨 1"},
     U"L10N_OPT_THINNING_LEVEL1"},
    // 1114
    {{U"Level 2", U"レベル2", U"Niveau 2", U"Livello 2", U"Stufe 2", U"Nivel 2", U"等級 2",
      U"级别 2", U"레벨 2"},
     U"L10N_OPT_THINNING_LEVEL2"},
    // 1115
    {{U"Level 3", U"レベル3", U"Niveau 3", U"Livello 3", U"Stufe 3", U"Nivel 3", U"等級 3",
      U"级别 3", U"레벨 3"},
     U"L10N_OPT_THINNING_LEVEL3"},
    // 1116
    {{U"Level 4", U"レベル4", U"Niveau 4", U"Livello 4", U"Stufe 4", U"Nivel 4", U"等級 4",
      U"级别 4", U"레벨 4"},
     U"L10N_OPT_THINNING_LEVEL4"},
    // 1117
    {{U"Object", U"対象", U"Objet", U"Oggetto", U"Objekt", U"Objeto", U"物件", U"对象", U"개체"},
     U"L10N_LBL_THINOBJECT"},
    // 1118
    {{U"All-Image", U"全画像", U"Toute l'image", U"Intera immagine", U"Gesamtes Bild",
      U"Toda la imagen", U"全部影像", U"全部图像", U"전체 이미지"},
     U"L10N_OPT_THINOBJECT_ALL"},
    // 1119
    {{U"Image Shift Type", U"画像シフト方法", U"Type de décalage de l'image",
      U"Tipo di spostamento immagine", U"Art der Bildverschiebung",
      U"Tipo de desplazamiento de imagen", U"影像位移類型", U"图像偏移类型", U"이미지 이동 유형"},
     U"L10N_LBL_IMAGESHIFTTYPE"},
    // 1120
    {{U"Use Main Body Settings", U"本体の設定を使用", U"Utiliser les paramètres de la machine",
      U"Usa impostazioni della macchina", U"Geräteeinstellungen verwenden",
      U"Usar configuración del equipo", U"使用主機設定", U"使用主机设置", U"본체 설정 사용"},
     U"L10N_OPT_IMAGESHIFTTYPE_PRINTERSETTINGS"},
    // 1121
    {{U"Use Driver Settings", U"ドライバーの設定を使用", U"Utiliser les paramètres du pilote",
      U"Usa impostazioni del driver", U"Treibereinstellungen verwenden",
      U"Usar configuración del controlador", U"使用驅動程式設定", U"使用驱动程序设置",
      U"드라이버 설정 사용"},
     U"L10N_OPT_IMAGESHIFTTYPE_DRIVERSETTINGS"},
    // 1122
    {{U"Stamp for All Pages", U"全ページにスタンプ", U"Tampon sur toutes les pages",
      U"Timbro su tutte le pagine", U"Stempel auf allen Seiten", U"Sello en todas las páginas",
      U"所有頁面加印記", U"所有页面加印记", U"모든 페이지에 스탬프"},
     U"L10N_OPT_SETNUMBERINGMODE_STAMPFORALLPAGES"},
    // 1123
    {{U"Stamp for 1st Page Only", U"1ページ目のみスタンプ", U"Tampon sur la 1re page uniquement",
      U"Timbro solo sulla 1a pagina", U"Stempel nur auf 1. Seite", U"Sello solo en la 1.ª página",
      U"僅第 1 頁加印記", U"仅第 1 页加印记", U"첫 페이지에만 스탬프"},
     U"L10N_OPT_SETNUMBERINGMODE_STAMPFOR1STPAGE"},
    // 1124
    {{U"Watermark for All Pages", U"全ページに透かし", U"Filigrane sur toutes les pages",
      U"Filigrana su tutte le pagine", U"Wasserzeichen auf allen Seiten",
      U"Marca de agua en todas las páginas", U"所有頁面加浮水印", U"所有页面加水印",
      U"모든 페이지에 워터마크"},
     U"L10N_OPT_SETNUMBERINGMODE_WATERMARKFORALLPAGES"},
    // 1125
    {{U"Copy Protect", U"コピープロテクト", U"Protection anti-copie", U"Protezione copia",
      U"Kopierschutz", U"Protección contra copia", U"防拷貝", U"防复印", U"복사 방지"},
     U"L10N_LBL_JIMONMODE"},
    // 1126
    {{U"Back Pattern", U"地紋パターン", U"Motif de fond", U"Motivo di sfondo", U"Hintergrundmuster",
      U"Patrón de fondo", U"背景圖樣", U"背景图案", U"배경 패턴"},
     U"L10N_LBL_BACKPATTERN"},
    // 1127
    {{U"Preset Stamp", U"定型スタンプ", U"Tampon prédéfini", U"Timbro predefinito",
      U"Vordefinierter Stempel", U"Sello predefinido", U"預設印記", U"预设印记",
      U"사전 설정 스탬프"},
     U"L10N_LBL_PATTERNINDEX"},
    // 1128
    {{U"Cherry Blossoms", U"桜", U"Fleurs de cerisier", U"Fiori di ciliegio", U"Kirschblüten",
      U"Flores de cerezo", U"櫻花", U"樱花", U"벚꽃"},
     U"L10N_OPT_BACKPATTERN_PATTERN1"},
    // 1129
    {{U"Arabesque", U"唐草", U"Arabesques", U"Arabesco", U"Arabeske", U"Arabesco", U"蔓藤花紋",
      U"蔓藤花纹", U"아라베스크"},
     U"L10N_OPT_BACKPATTERN_PATTERN2"},
    // 1130
    {{U"Lattice", U"格子", U"Treillis", U"Reticolo", U"Gitter", U"Celosía", U"格紋", U"格纹",
      U"격자"},
     U"L10N_OPT_BACKPATTERN_PATTERN3"},
    // 1131
    {{U"Copy", U"コピー", U"Copie", U"Copia", U"Kopie", U"Copia", U"副本", U"副本", U"사본"},
     U"L10N_OPT_PATTERNINDEX_PATTERN1"},
    // 1132
    {{U"Invalid", U"無効", U"Non valable", U"Non valido", U"Ungültig", U"No válido", U"無效",
      U"无效", U"무효"},
     U"L10N_OPT_PATTERNINDEX_PATTERN2"},
    // 1133
    {{U"Illegal Copy", U"不正コピー", U"Copie illégale", U"Copia illegale", U"Illegale Kopie",
      U"Copia ilegal", U"非法複製", U"非法复制", U"불법 복사"},
     U"L10N_OPT_PATTERNINDEX_PATTERN3"},
    // 1134
    {{U"Invalid Copy", U"無効コピー", U"Copie non valable", U"Copia non valida", U"Ungültige Kopie",
      U"Copia no válida", U"無效副本", U"无效副本", U"무효 사본"},
     U"L10N_OPT_PATTERNINDEX_PATTERN4"},
    // 1135
    {{U"Tandem Mode", U"タンデムモード", U"Mode tandem", U"Modalità tandem", U"Tandemmodus",
      U"Modo tándem", U"串聯模式", U"串联模式", U"탠덤 모드"},
     U"L10N_LBL_TANDEM"},
    // 1136
    {{U"Print Mode", U"印刷モード", U"Mode d'impression", U"Modalità di stampa", U"Druckmodus",
      U"Modo de impresión", U"列印模式", U"打印模式", U"인쇄 모드"},
     U"L10N_LBL_WAITMODE"},
    // 1137
    {{U"Proof Print", U"確認印刷", U"Épreuve", U"Stampa di prova", U"Probedruck",
      U"Impresión de prueba", U"校樣列印", U"校样打印", U"교정 인쇄"},
     U"L10N_OPT_WAITMODE_PROOFMODE"},
    // 1138
    {{U"Proof Print (1st Sheet)", U"確認印刷（1枚目）", U"Épreuve (1re feuille)",
      U"Stampa di prova (1o foglio)", U"Probedruck (1. Blatt)", U"Impresión de prueba (1.ª hoja)",
      U"校樣列印（第 1 張）", U"校样打印（第 1 张）", U"교정 인쇄(첫 장)"},
     U"L10N_OPT_WAITMODE_PROOF1STSHEET"},
    // 1139
    {{U"Wait Mode", U"待機モード", U"Mode attente", U"Modalità attesa", U"Wartemodus",
      U"Modo de espera", U"等待模式", U"等待模式", U"대기 모드"},
     U"L10N_OPT_WAITMODE_WAIT"},
    // 1140
    {{U"Hold Print", U"保留印刷", U"Impression différée", U"Stampa in attesa", U"Druck anhalten",
      U"Retener impresión", U"保留列印", U"保留打印", U"보류 인쇄"},
     U"L10N_OPT_WAITMODE_HOLDPRINT"},
    // 1141
    {{U"Secure Print ID", U"セキュリティー印刷ID", U"ID d'impression sécurisée",
      U"ID stampa protetta", U"ID für sicheren Druck", U"ID de impresión segura", U"安全列印 ID",
      U"安全打印 ID", U"보안 인쇄 ID"},
     U"L10N_LBL_WAITMODESECUREPRINTID"},
    // 1142
    {{U"Output Method", U"出力方法", U"Mode de sortie", U"Metodo di uscita", U"Ausgabemethode",
      U"Método de salida", U"輸出方式", U"输出方式", U"출력 방법"},
     U"L10N_LBL_OUTPUTMETHOD"},
    // 1143
    {{U"Save in User Box", U"ユーザーボックスに保存", U"Enregistrer dans la boîte utilisateur",
      U"Salva nella casella utente", U"In Benutzerbox speichern", U"Guardar en buzón de usuario",
      U"儲存至使用者信箱", U"保存到用户信箱", U"사용자 박스에 저장"},
     U"L10N_OPT_OUTPUTMETHOD_SAVEINUB"},
    // 1144
    {{U"Save in User Box and Print", U"ユーザーボックスに保存して印刷",
      U"Enregistrer dans la boîte utilisateur et imprimer", U"Salva nella casella utente e stampa",
      U"In Benutzerbox speichern und drucken", U"Guardar en buzón de usuario e imprimir",
      U"儲存至使用者信箱並列印", U"保存到用户信箱并打印", U"사용자 박스에 저장 후 인쇄"},
     U"L10N_OPT_OUTPUTMETHOD_SAVEINUBANDP"},
    // 1145
    {{U"User Box Number", U"ユーザーボックス番号", U"Numéro de boîte utilisateur",
      U"Numero casella utente", U"Benutzerboxnummer", U"Número de buzón de usuario",
      U"使用者信箱編號", U"用户信箱编号", U"사용자 박스 번호"},
     U"L10N_LBL_OUTPUTMETHODUSERBOXNUMBER"},
    // 1146
    {{U"Authentication...", U"認証...", U"Authentification...", U"Autenticazione...",
      U"Authentifizierung...", U"Autenticación...", U"驗證...", U"认证...", U"인증..."},
     U"L10N_MAIN_BTN_AUTHENTICATION"},
    // 1147
    {{U"Authentication", U"認証", U"Authentification", U"Autenticazione", U"Authentifizierung",
      U"Autenticación", U"驗證", U"认证", U"인증"},
     U"L10N_AUTHENTICATION_GRP_AUTHENTICATION"},
    // 1148
    {{U"Verification Result", U"確認結果", U"Résultat de la vérification",
      U"Risultato della verifica", U"Prüfergebnis", U"Resultado de la verificación", U"檢查結果",
      U"验证结果", U"검증 결과"},
     U"L10N_USERAUTHENTICATION_LBL_VERIFICATIONRESULTTITLE"},
    // 1149
    {{U"Get from Printer", U"プリンターから取得", U"Obtenir de l'imprimante",
      U"Ottieni dalla stampante", U"Vom Drucker abrufen", U"Obtener de la impresora",
      U"從印表機取得", U"从打印机获取", U"프린터에서 가져오기"},
     U"L10N_AUTHENTICATION_BTN_GATHER"},
    // 1150
    {{U"External Server", U"外部サーバー", U"Serveur externe", U"Server esterno",
      U"Externer Server", U"Servidor externo", U"外部伺服器", U"外部服务器", U"외부 서버"},
     U"L10N_OPT_USERAUTHENTICATION_EXTERNALSERVER"},
    // 1151
    {{U"Enhanced Server", U"拡張サーバー", U"Serveur étendu", U"Server avanzato",
      U"Erweiterter Server", U"Servidor mejorado", U"增強伺服器", U"增强服务器", U"확장 서버"},
     U"L10N_OPT_USERAUTHENTICATION_RELAYSERVER"},
    // 1152
    {{U"Public User", U"パブリックユーザー", U"Utilisateur public", U"Utente pubblico",
      U"Öffentlicher Benutzer", U"Usuario público", U"公用使用者", U"公共用户", U"공용 사용자"},
     U"L10N_LBL_USERAUTHENTICATIONPUBLIC"},
    // 1153
    {{U"Server Setting", U"サーバー設定", U"Paramètre du serveur", U"Impostazione server",
      U"Servereinstellung", U"Configuración del servidor", U"伺服器設定", U"服务器设置",
      U"서버 설정"},
     U"L10N_LBL_USERAUTHENTICATIONSERVER"},
    // 1154
    {{U"Verify", U"確認", U"Vérifier", U"Verifica", U"Prüfen", U"Verificar", U"檢查", U"验证",
      U"검증"},
     U"L10N_AUTHENTICATION_BTN_VERIFY"},
    // 1155
    {{U"Saddle Unit", U"中綴じユニット", U"Module de piqûre à cheval", U"Unità di cucitura a sella",
      U"Sattelhefteinheit", U"Unidad de grapado en caballete", U"騎馬釘裝訂單元", U"骑马钉装订单元",
      U"중철 유닛"},
     U"L10N_LBL_SADDLEUNIT"},
    // 1156
    {{U"Spine Corner Forming Unit", U"角背ユニット", U"Module dos carré", U"Unità dorso quadro",
      U"Quadratrückeneinheit", U"Unidad de lomo cuadrado", U"方背單元", U"方脊单元",
      U"각진 책등 유닛"},
     U"L10N_LBL_SQUAREFOLDUNIT"},
    // 1157
    {{U"Trim Unit", U"断裁ユニット", U"Module de rognage", U"Unità di rifilatura",
      U"Beschnitteinheit", U"Unidad de recorte", U"裁切單元", U"裁切单元", U"재단 유닛"},
     U"L10N_LBL_TRIMUNIT"},
    // 1158
    {{U"Creasing Unit", U"筋入れユニット", U"Module de rainage", U"Unità di cordonatura",
      U"Rilleinheit", U"Unidad de hendido", U"壓痕單元", U"压痕单元", U"크리스 유닛"},
     U"L10N_LBL_CREASINGUNIT"},
    // 1159
    {{U"Ring Binder", U"リング製本ユニット", U"Module de reliure à anneaux",
      U"Unità di rilegatura ad anelli", U"Ringbindeeinheit",
      U"Unidad de encuadernación con anillas", U"環裝單元", U"环装单元", U"링 제본 유닛"},
     U"L10N_LBL_RINGBINDER"},
    // 1160
    {{U"Large Capacity Post Inserter", U"大容量ポストインサーター",
      U"Module d'insertion grande capacité", U"Inseritore ad alta capacità",
      U"Großraum-Einschießeinheit", U"Insertador de gran capacidad", U"大容量後置插頁器",
      U"大容量后置插页器", U"대용량 포스트 인서터"},
     U"L10N_LBL_LARGEPOSTINSERTER"},
    // 1161
    {{U"Z-Fold Unit", U"Z折りユニット", U"Module de pliage en Z", U"Unità di piegatura a Z",
      U"Z-Falzeinheit", U"Unidad de plegado en Z", U"Z 摺單元", U"Z 折单元", U"Z 접기 유닛"},
     U"L10N_LBL_ZFOLDUNIT"},
    // 1162
    {{U"QP-232-2", U"QP-232-2", U"QP-232-2", U"QP-232-2", U"QP-232-2", U"QP-232-2", U"QP-232-2",
      U"QP-232-2", U"QP-232-2"},
     U"L10N_OPT_ZFOLDUNIT_QP_232_2"},
    // 1163
    {{U"QP-232-23", U"QP-232-23", U"QP-232-23", U"QP-232-23", U"QP-232-23", U"QP-232-23",
      U"QP-232-23", U"QP-232-23", U"QP-232-23"},
     U"L10N_OPT_ZFOLDUNIT_QP_232_23"},
    // 1164
    {{U"QP-232-24", U"QP-232-24", U"QP-232-24", U"QP-232-24", U"QP-232-24", U"QP-232-24",
      U"QP-232-24", U"QP-232-24", U"QP-232-24"},
     U"L10N_OPT_ZFOLDUNIT_QP_232_24"},
    // 1165
    {{U"QP-232-4", U"QP-232-4", U"QP-232-4", U"QP-232-4", U"QP-232-4", U"QP-232-4", U"QP-232-4",
      U"QP-232-4", U"QP-232-4"},
     U"L10N_OPT_ZFOLDUNIT_QP_232_4"},
    // 1166
    {{U"QJ-225", U"QJ-225", U"QJ-225", U"QJ-225", U"QJ-225", U"QJ-225", U"QJ-225", U"QJ-225",
      U"QJ-225"},
     U"L10N_OPT_PAPERSOURCES_QJ_225"},
    // 1167
    {{U"QJ-224", U"QJ-224", U"QJ-224", U"QJ-224", U"QJ-224", U"QJ-224", U"QJ-224", U"QJ-224",
      U"QJ-224"},
     U"L10N_OPT_PAPERSOURCES_QJ_224"},
    // 1168
    {{U"QJ-224 × 2", U"QJ-224 × 2", U"QJ-224 × 2", U"QJ-224 × 2", U"QJ-224 × 2", U"QJ-224 × 2",
      U"QJ-224 × 2", U"QJ-224 × 2", U"QJ-224 × 2"},
     U"L10N_OPT_PAPERSOURCES_QJ_224_224"},
    // 1169
    {{U"QJ-224 + QJ-225", U"QJ-224 + QJ-225", U"QJ-224 + QJ-225", U"QJ-224 + QJ-225",
      U"QJ-224 + QJ-225", U"QJ-224 + QJ-225", U"QJ-224 + QJ-225", U"QJ-224 + QJ-225",
      U"QJ-224 + QJ-225"},
     U"L10N_OPT_PAPERSOURCES_QJ_224_225"},
    // 1170
    {{U"QJ-224 × 3", U"QJ-224 × 3", U"QJ-224 × 3", U"QJ-224 × 3", U"QJ-224 × 3", U"QJ-224 × 3",
      U"QJ-224 × 3", U"QJ-224 × 3", U"QJ-224 × 3"},
     U"L10N_OPT_PAPERSOURCES_QJ_224_224_224"},
    // 1171
    {{U"QG-221", U"QG-221", U"QG-221", U"QG-221", U"QG-221", U"QG-221", U"QG-221", U"QG-221",
      U"QG-221"},
     U"L10N_OPT_PAPERSOURCES_QG_221"},
    // 1172
    {{U"QG-222", U"QG-222", U"QG-222", U"QG-222", U"QG-222", U"QG-222", U"QG-222", U"QG-222",
      U"QG-222"},
     U"L10N_OPT_PAPERSOURCES_QG_222"},
    // 1173
    {{U"QL-227-2", U"QL-227-2", U"QL-227-2", U"QL-227-2", U"QL-227-2", U"QL-227-2", U"QL-227-2",
      U"QL-227-2", U"QL-227-2"},
     U"L10N_OPT_PUNCHUNIT_QL_227_2"},
    // 1174
    {{U"QL-227-23", U"QL-227-23", U"QL-227-23", U"QL-227-23", U"QL-227-23", U"QL-227-23",
      U"QL-227-23", U"QL-227-23", U"QL-227-23"},
     U"L10N_OPT_PUNCHUNIT_QL_227_23"},
    // 1175
    {{U"QL-227-24", U"QL-227-24", U"QL-227-24", U"QL-227-24", U"QL-227-24", U"QL-227-24",
      U"QL-227-24", U"QL-227-24", U"QL-227-24"},
     U"L10N_OPT_PUNCHUNIT_QL_227_24"},
    // 1176
    {{U"QL-227-4", U"QL-227-4", U"QL-227-4", U"QL-227-4", U"QL-227-4", U"QL-227-4", U"QL-227-4",
      U"QL-227-4", U"QL-227-4"},
     U"L10N_OPT_PUNCHUNIT_QL_227_4"},
    // 1177
    {{U"Driver Settings", U"ドライバー設定", U"Paramètres du pilote", U"Impostazioni driver",
      U"Treibereinstellungen", U"Configuración del controlador", U"驅動程式設定", U"驱动程序设置",
      U"드라이버 설정"},
     U"L10N_OPTIONS_GRP_DRIVER"},
    // 1178
    {{U"Customize General Panel...", U"基本パネルのカスタマイズ...",
      U"Personnaliser le panneau Général...", U"Personalizza pannello Generale...",
      U"Allgemeine Seite anpassen...", U"Personalizar panel General...", U"自訂一般面板...",
      U"自定义常规面板...", U"일반 패널 사용자 정의..."},
     U"L10N_OPTIONS_BTN_CUSTOMIZEGENERALPANEL"},
    // 1179
    {{U"Customize General Panel", U"基本パネルのカスタマイズ", U"Personnaliser le panneau Général",
      U"Personalizza pannello Generale", U"Allgemeine Seite anpassen",
      U"Personalizar panel General", U"自訂一般面板", U"自定义常规面板", U"일반 패널 사용자 정의"},
     U"L10N_CUSTOMIZEGENERALPANEL_LBL_TITLE"},
    // 1180
    {{U"Select the features to show in the General panel and set their order.",
      U"基本パネルに表示する機能を選択し、表示順を設定してください。",
      U"Sélectionnez les fonctions à afficher dans le panneau Général et définissez leur ordre.",
      U"Selezionare le funzioni da mostrare nel pannello Generale e impostarne l'ordine.",
      U"Wählen Sie die Funktionen für die allgemeine Seite aus und legen Sie ihre Reihenfolge "
      U"fest.",
      U"Seleccione las funciones que se mostrarán en el panel General y establezca su orden.",
      U"選取要在一般面板中顯示的功能並設定其順序。", U"选择要在常规面板中显示的功能并设置其顺序。",
      U"일반 패널에 표시할 기능을 선택하고 순서를 설정하십시오."},
     U"L10N_CUSTOMIZEGENERALPANEL_LBL_INFO"},
    // 1181
    {{U"Features", U"機能", U"Fonctions", U"Funzioni", U"Funktionen", U"Funciones", U"功能",
      U"功能", U"기능"},
     U"L10N_CUSTOMIZEGENERALPANEL_GRP_FEATURES"},
    // 1182
    {{U"Up", U"上へ", U"Monter", U"Su", U"Nach oben", U"Subir", U"上移", U"上移", U"위로"},
     U"L10N_CUSTOMIZEGENERALPANEL_BTN_UP"},
    // 1183
    {{U"Down", U"下へ", U"Descendre", U"Giù", U"Nach unten", U"Bajar", U"下移", U"下移", U"아래로"},
     U"L10N_CUSTOMIZEGENERALPANEL_BTN_DOWN"},
    // 1184
    {{U"SNMP Settings", U"SNMP設定", U"Paramètres SNMP", U"Impostazioni SNMP",
      U"SNMP-Einstellungen", U"Configuración de SNMP", U"SNMP 設定", U"SNMP 设置", U"SNMP 설정"},
     U"L10N_OPTIONS_PNL_SNMP"},
    // 1185
    {{U"SNMP Settings", U"SNMP設定", U"Paramètres SNMP", U"Impostazioni SNMP",
      U"SNMP-Einstellungen", U"Configuración de SNMP", U"SNMP 設定", U"SNMP 设置", U"SNMP 설정"},
     U"L10N_OPTIONS_GRP_SNMP"},
    // 1186
    {{U"SNMP Version", U"SNMPバージョン", U"Version SNMP", U"Versione SNMP", U"SNMP-Version",
      U"Versión de SNMP", U"SNMP 版本", U"SNMP 版本", U"SNMP 버전"},
     U"L10N_LBL_SNMPVERSION"},
    // 1187
    {{U"SNMPv1/v2c", U"SNMPv1/v2c", U"SNMPv1/v2c", U"SNMPv1/v2c", U"SNMPv1/v2c", U"SNMPv1/v2c",
      U"SNMPv1/v2c", U"SNMPv1/v2c", U"SNMPv1/v2c"},
     U"L10N_OPT_SNMPVERSION_V12"},
    // 1188
    {{U"SNMPv3", U"SNMPv3", U"SNMPv3", U"SNMPv3", U"SNMPv3", U"SNMPv3", U"SNMPv3", U"SNMPv3",
      U"SNMPv3"},
     U"L10N_OPT_SNMPVERSION_V3"},
    // 1189
    {{U"Read Community Name", U"読み取りコミュニティー名", U"Nom de communauté en lecture",
      U"Nome comunità di lettura", U"Lese-Community-Name", U"Nombre de comunidad de lectura",
      U"讀取社群名稱", U"读取团体名", U"읽기 커뮤니티 이름"},
     U"L10N_LBL_SNMPV12READCOMMUNITYNAME"},
    // 1190
    {{U"Context Name", U"コンテキスト名", U"Nom de contexte", U"Nome contesto", U"Kontextname",
      U"Nombre de contexto", U"內容名稱", U"上下文名称", U"컨텍스트 이름"},
     U"L10N_LBL_SNMPV3CONTEXTNAME"},
    // 1191
    {{U"Read User Name", U"読み取りユーザー名", U"Nom d'utilisateur en lecture",
      U"Nome utente di lettura", U"Lesebenutzername", U"Nombre de usuario de lectura",
      U"讀取使用者名稱", U"读取用户名", U"읽기 사용자 이름"},
     U"L10N_LBL_SNMPV3READUSERNAME"},
    // 1192
    {{U"Security Level", U"セキュリティーレベル", U"Niveau de sécurité", U"Livello di sicurezza",
      U"Sicherheitsstufe", U"Nivel de seguridad", U"安全性等級", U"安全级别", U"보안 수준"},
     U"L10N_LBL_SNMPV3SECURITYLEVEL"},
    // 1193
    {{U"No Admission", U"認証なし", U"Sans authentification", U"Nessuna autenticazione",
      U"Keine Authentifizierung", U"Sin autenticación", U"無驗證", U"无认证", U"인증 없음"},
     U"L10N_OPT_SNMPV3SECURITYLEVEL_NOADMISSION"},
    // 1194
    {{U"Auth-Password", U"認証パスワード", U"Mot de passe d'authentification",
      U"Password di autenticazione", U"Authentifizierungskennwort", U"Contraseña de autenticación",
      U"驗證密碼", U"认证密码", U"인증 암호"},
     U"L10N_OPT_SNMPV3SECURITYLEVEL_AUTH"},
    // 1195
    {{U"Auth-Password/Priv-Password", U"認証パスワード/暗号化パスワード",
      U"Mot de passe d'authentification/de confidentialité",
      U"Password di autenticazione/di privacy", U"Authentifizierungs-/Verschlüsselungskennwort",
      U"Contraseña de autenticación/de privacidad", U"驗證密碼/加密密碼", U"认证密码/加密密码",
      U"인증 암호/암호화 암호"},
     U"L10N_OPT_SNMPV3SECURITYLEVEL_AUTHPRIV"},
    // 1196
    {{U"Read User Auth-Password", U"読み取りユーザー認証パスワード",
      U"Mot de passe d'authentification de l'utilisateur en lecture",
      U"Password di autenticazione dell'utente di lettura",
      U"Authentifizierungskennwort des Lesebenutzers",
      U"Contraseña de autenticación del usuario de lectura", U"讀取使用者驗證密碼",
      U"读取用户认证密码", U"읽기 사용자 인증 암호"},
     U"L10N_LBL_SNMPV3READUSERAUTHPW"},
    // 1197
    {{U"Read User Priv-Password", U"読み取りユーザー暗号化パスワード",
      U"Mot de passe de confidentialité de l'utilisateur en lecture",
      U"Password di privacy dell'utente di lettura", U"Verschlüsselungskennwort des Lesebenutzers",
      U"Contraseña de privacidad del usuario de lectura", U"讀取使用者加密密碼",
      U"读取用户加密密码", U"읽기 사용자 암호화 암호"},
     U"L10N_LBL_SNMPV3READUSERPRIVPW"},
    // 1198
    {{U"Ring Binding", U"リング製本", U"Reliure à anneaux", U"Rilegatura ad anelli", U"Ringbindung",
      U"Encuadernación con anillas", U"環裝", U"环装", U"링 제본"},
     U"L10N_LBL_RINGBINDING"},
    // 1199
    {{U"Printed Side for Top Sheet", U"先頭用紙の印刷面", U"Face imprimée de la première feuille",
      U"Lato stampato del primo foglio", U"Bedruckte Seite des ersten Blatts",
      U"Cara impresa de la primera hoja", U"首張紙的列印面", U"首张纸的打印面", U"첫 장의 인쇄면"},
     U"L10N_LBL_PRINTEDSIDEFIRST"},
    // 1200
    {{U"Printed Side for Last Sheet", U"最終用紙の印刷面", U"Face imprimée de la dernière feuille",
      U"Lato stampato dell'ultimo foglio", U"Bedruckte Seite des letzten Blatts",
      U"Cara impresa de la última hoja", U"末張紙的列印面", U"末张纸的打印面",
      U"마지막 장의 인쇄면"},
     U"L10N_LBL_PRINTEDSIDELAST"},
    // 1201
    {{U"Blank Insert", U"合紙", U"Intercalaire vierge", U"Foglio intercalare bianco",
      U"Leereinlage", U"Hoja en blanco intercalada", U"空白插頁", U"空白插页", U"빈 간지"},
     U"L10N_OPT_MEDIATYPE_INTERLEAVED"},
    // 1202
    {{U"Get from Printer", U"プリンターから取得", U"Obtenir de l'imprimante",
      U"Ottieni dalla stampante", U"Vom Drucker abrufen", U"Obtener de la impresora",
      U"從印表機取得", U"从打印机获取", U"프린터에서 가져오기"},
     U"L10N_FORMS_BTN_GATHER"},
    // 1203
    {{U"Output...", U"出力...", U"Sortie...", U"Uscita...", U"Ausgabe...", U"Salida...", U"輸出...",
      U"输出...", U"출력..."},
     U"L10N_MAIN_BTN_OUTPUT"},
    // 1204
    {{U"Output", U"出力", U"Sortie", U"Uscita", U"Ausgabe", U"Salida", U"輸出", U"输出", U"출력"},
     U"L10N_OUTPUT_GRP_OUTPUT"},
    // 1205
    {{U"Center", U"中央", U"Centre", U"Centro", U"Mitte", U"Centro", U"置中", U"居中", U"가운데"},
     U"L10N_OPT_PRINTPOSITION_MIDDLE"},
    // 1206
    {{U"Authentication succeeded.", U"認証に成功しました。", U"Authentification réussie.",
      U"Autenticazione riuscita.", U"Authentifizierung erfolgreich.", U"Autenticación correcta.",
      U"驗證成功。", U"认证成功。", U"인증에 성공했습니다."},
     U"L10N_LBL_AUTHENTICATION_MSG420"},
    // 1207
    {{U"The user name or password is incorrect.", U"ユーザー名またはパスワードが正しくありません。",
      U"Le nom d'utilisateur ou le mot de passe est incorrect.",
      U"Nome utente o password non corretti.", U"Benutzername oder Kennwort ist falsch.",
      U"El nombre de usuario o la contraseña no son correctos.", U"使用者名稱或密碼不正確。",
      U"用户名或密码不正确。", U"사용자 이름 또는 암호가 올바르지 않습니다."},
     U"L10N_LBL_AUTHENTICATION_MSG424"},
    // 1208
    {{U"The user is not registered on the printer.",
      U"このユーザーはプリンターに登録されていません。",
      U"L'utilisateur n'est pas enregistré sur l'imprimante.",
      U"L'utente non è registrato sulla stampante.",
      U"Der Benutzer ist auf dem Drucker nicht registriert.",
      U"El usuario no está registrado en la impresora.", U"此使用者未在印表機上註冊。",
      U"该用户未在打印机上注册。", U"프린터에 등록되지 않은 사용자입니다."},
     U"L10N_LBL_AUTHENTICATION_MSG425"},
    // 1209
    {{U"The account name or password is incorrect.", U"部門名またはパスワードが正しくありません。",
      U"Le nom du compte ou le mot de passe est incorrect.",
      U"Nome account o password non corretti.", U"Kostenstellenname oder Kennwort ist falsch.",
      U"El nombre de cuenta o la contraseña no son correctos.", U"帳號名稱或密碼不正確。",
      U"账户名称或密码不正确。", U"계정 이름 또는 암호가 올바르지 않습니다."},
     U"L10N_LBL_AUTHENTICATION_MSG426"},
    // 1210
    {{U"Could not connect to the printer.", U"プリンターに接続できませんでした。",
      U"Impossible de se connecter à l'imprimante.", U"Impossibile connettersi alla stampante.",
      U"Keine Verbindung zum Drucker möglich.", U"No se pudo conectar con la impresora.",
      U"無法連線至印表機。", U"无法连接到打印机。", U"프린터에 연결할 수 없습니다."},
     U"L10N_LBL_AUTHENTICATION_MSG427"},
    // 1211
    {{U"The authentication server did not respond.", U"認証サーバーから応答がありません。",
      U"Le serveur d'authentification n'a pas répondu.",
      U"Il server di autenticazione non ha risposto.",
      U"Der Authentifizierungsserver hat nicht geantwortet.",
      U"El servidor de autenticación no respondió.", U"驗證伺服器沒有回應。",
      U"认证服务器没有响应。", U"인증 서버가 응답하지 않았습니다."},
     U"L10N_LBL_AUTHENTICATION_MSG428"},
    // 1212
    {{U"User authentication is not enabled on the printer.",
      U"プリンターでユーザー認証が有効になっていません。",
      U"L'authentification utilisateur n'est pas activée sur l'imprimante.",
      U"L'autenticazione utente non è abilitata sulla stampante.",
      U"Die Benutzerauthentifizierung ist auf dem Drucker nicht aktiviert.",
      U"La autenticación de usuario no está habilitada en la impresora.",
      U"印表機未啟用使用者驗證。", U"打印机未启用用户认证。",
      U"프린터에서 사용자 인증이 활성화되어 있지 않습니다."},
     U"L10N_LBL_AUTHENTICATION_MSG429"},
    // 1213
    {{U"Account track is not enabled on the printer.",
      U"プリンターで部門管理が有効になっていません。",
      U"Le suivi de compte n'est pas activé sur l'imprimante.",
      U"La traccia account non è abilitata sulla stampante.",
      U"Die Kostenstellenverwaltung ist auf dem Drucker nicht aktiviert.",
      U"El seguimiento de cuenta no está habilitado en la impresora.", U"印表機未啟用帳號追蹤。",
      U"打印机未启用账户跟踪。", U"프린터에서 계정 추적이 활성화되어 있지 않습니다."},
     U"L10N_LBL_AUTHENTICATION_MSG430"},
    // 1214
    {{U"The print limit of the account has been reached.", U"部門の印刷上限に達しました。",
      U"La limite d'impression du compte est atteinte.",
      U"È stato raggiunto il limite di stampa dell'account.",
      U"Das Drucklimit der Kostenstelle ist erreicht.",
      U"Se ha alcanzado el límite de impresión de la cuenta.", U"已達到帳號的列印上限。",
      U"已达到账户的打印上限。", U"계정의 인쇄 한도에 도달했습니다."},
     U"L10N_LBL_AUTHENTICATION_MSG431"},
    // 1215
    {{U"This user is not permitted to print.", U"このユーザーには印刷が許可されていません。",
      U"Cet utilisateur n'est pas autorisé à imprimer.",
      U"Questo utente non è autorizzato a stampare.", U"Dieser Benutzer darf nicht drucken.",
      U"Este usuario no tiene permiso para imprimir.", U"此使用者沒有列印權限。",
      U"该用户没有打印权限。", U"이 사용자에게는 인쇄 권한이 없습니다."},
     U"L10N_LBL_AUTHENTICATION_MSG432"},
    // 1216
    {{U"The printer is busy. Try again later.",
      U"プリンターがビジー状態です。しばらくしてから再度お試しください。",
      U"L'imprimante est occupée. Réessayez plus tard.",
      U"La stampante è occupata. Riprovare più tardi.",
      U"Der Drucker ist belegt. Versuchen Sie es später erneut.",
      U"La impresora está ocupada. Inténtelo de nuevo más tarde.", U"印表機忙碌中，請稍後再試。",
      U"打印机正忙，请稍后重试。", U"프린터가 사용 중입니다. 나중에 다시 시도하십시오."},
     U"L10N_LBL_AUTHENTICATION_MSG433"},
    // 1217
    {{U"Communication with the printer timed out.", U"プリンターとの通信がタイムアウトしました。",
      U"La communication avec l'imprimante a expiré.",
      U"Timeout della comunicazione con la stampante.",
      U"Zeitüberschreitung bei der Kommunikation mit dem Drucker.",
      U"Se agotó el tiempo de comunicación con la impresora.", U"與印表機的通訊逾時。",
      U"与打印机的通信超时。", U"프린터와의 통신 시간이 초과되었습니다."},
     U"L10N_LBL_AUTHENTICATION_MSG434"},
    // 1218
    {{U"QM-229", U"QM-229", U"QM-229", U"QM-229", U"QM-229", U"QM-229", U"QM-229", U"QM-229",
      U"QM-229"},
     U"L10N_OPT_SADDLEUNIT_QM_229"},
    // 1219
    {{U"QE-217", U"QE-217", U"QE-217", U"QE-217", U"QE-217", U"QE-217", U"QE-217", U"QE-217",
      U"QE-217"},
     U"L10N_OPT_RINGBINDER_QE_217"},
    // 1220
    {{U"Main Body", U"本体", U"Machine", U"Macchina", U"Gerät", U"Equipo", U"主機", U"主机",
      U"본체"},
     U"L10N_OPT_USERAUTHENTICATION_MAINBODY"},
    // 1221
    {{U"Driver Settings", U"ドライバー設定", U"Paramètres du pilote", U"Impostazioni driver",
      U"Treibereinstellungen", U"Configuración del controlador", U"驅動程式設定", U"驱动程序设置",
      U"드라이버 설정"},
     U"L10N_OPTIONS_PNL_DRIVER"},
    // 1222
    {{U"Device Options", U"装置オプション", U"Options du périphérique", U"Opzioni dispositivo",
      U"Geräteoptionen", U"Opciones del dispositivo", U"裝置選項", U"设备选项", U"장치 옵션"},
     U"L10N_OPTIONS_PNL_DEVICE"},
    // 1223
    {{U"Server 1", U"サーバー1", U"Serveur 1", U"Server 1", U"Server 1", U"Servidor 1", U"伺服器 1",
      U"服务器 1", U"서버 1"},
     U"L10N_OPT_USERAUTHENTICATIONSERVER_SERVER1"},
    // 1224
    {{U"Server 2", U"サーバー2", U"Serveur 2", U"Server 2", U"Server 2", U"Servidor 2", U"伺服器 2",
      U"服务器 2", U"서버 2"},
     U"L10N_OPT_USERAUTHENTICATIONSERVER_SERVER2"},
    // 1225
    {{U"Server 3", U"サーバー3", U"Serveur 3", U"Server 3", U"Server 3", U"Servidor 3", U"伺服器 3",
      U"服务器 3", U"서버 3"},
     U"L10N_OPT_USERAUTHENTICATIONSERVER_SERVER3"},
    // 1226
    {{U"Server 4", U"サーバー4", U"Serveur 4", U"Server 4", U"Server 4", U"Servidor 4", U"伺服器 4",
      U"服务器 4", U"서버 4"},
     U"L10N_OPT_USERAUTHENTICATIONSERVER_SERVER4"},
    // 1227
    {{U"Server 5", U"サーバー5", U"Serveur 5", U"Server 5", U"Server 5", U"Servidor 5", U"伺服器 5",
      U"服务器 5", U"서버 5"},
     U"L10N_OPT_USERAUTHENTICATIONSERVER_SERVER5"},
    // 1228
    {{U"Server 6", U"サーバー6", U"Serveur 6", U"Server 6", U"Server 6", U"Servidor 6", U"伺服器 6",
      U"服务器 6", U"서버 6"},
     U"L10N_OPT_USERAUTHENTICATIONSERVER_SERVER6"},
    // 1229
    {{U"Server 7", U"サーバー7", U"Serveur 7", U"Server 7", U"Server 7", U"Servidor 7", U"伺服器 7",
      U"服务器 7", U"서버 7"},
     U"L10N_OPT_USERAUTHENTICATIONSERVER_SERVER7"},
    // 1230
    {{U"Server 8", U"サーバー8", U"Serveur 8", U"Server 8", U"Server 8", U"Servidor 8", U"伺服器 8",
      U"服务器 8", U"서버 8"},
     U"L10N_OPT_USERAUTHENTICATIONSERVER_SERVER8"},
    // 1231
    {{U"Server 9", U"サーバー9", U"Serveur 9", U"Server 9", U"Server 9", U"Servidor 9", U"伺服器 9",
      U"服务器 9", U"서버 9"},
     U"L10N_OPT_USERAUTHENTICATIONSERVER_SERVER9"},
    // 1232
    {{U"Server 10", U"サーバー10", U"Serveur 10", U"Server 10", U"Server 10", U"Servidor 10",
      U"伺服器 10", U"服务器 10", U"서버 10"},
     U"L10N_OPT_USERAUTHENTICATIONSERVER_SERVER10"},
    // 1233
    {{U"Server 11", U"サーバー11", U"Serveur 11", U"Server 11", U"Server 11", U"Servidor 11",
      U"伺服器 11", U"服务器 11", U"서버 11"},
     U"L10N_OPT_USERAUTHENTICATIONSERVER_SERVER11"},
    // 1234
    {{U"Server 12", U"サーバー12", U"Serveur 12", U"Server 12", U"Server 12", U"Servidor 12",
      U"伺服器 12", U"服务器 12", U"서버 12"},
     U"L10N_OPT_USERAUTHENTICATIONSERVER_SERVER12"},
    // 1235
    {{U"Server 13", U"サーバー13", U"Serveur 13", U"Server 13", U"Server 13", U"Servidor 13",
      U"伺服器 13", U"服务器 13", U"서버 13"},
     U"L10N_OPT_USERAUTHENTICATIONSERVER_SERVER13"},
    // 1236
    {{U"Server 14", U"サーバー14", U"Serveur 14", U"Server 14", U"Server 14", U"Servidor 14",
      U"伺服器 14", U"服务器 14", U"서버 14"},
     U"L10N_OPT_USERAUTHENTICATIONSERVER_SERVER14"},
    // 1237
    {{U"Server 15", U"サーバー15", U"Serveur 15", U"Server 15", U"Server 15", U"Servidor 15",
      U"伺服器 15", U"服务器 15", U"서버 15"},
     U"L10N_OPT_USERAUTHENTICATIONSERVER_SERVER15"},
    // 1238
    {{U"Server 16", U"サーバー16", U"Serveur 16", U"Server 16", U"Server 16", U"Servidor 16",
      U"伺服器 16", U"服务器 16", U"서버 16"},
     U"L10N_OPT_USERAUTHENTICATIONSERVER_SERVER16"},
    // 1239
    {{U"Server 17", U"サーバー17", U"Serveur 17", U"Server 17", U"Server 17", U"Servidor 17",
      U"伺服器 17", U"服务器 17", U"서버 17"},
     U"L10N_OPT_USERAUTHENTICATIONSERVER_SERVER17"},
    // 1240
    {{U"Server 18", U"サーバー18", U"Serveur 18", U"Server 18", U"Server 18", U"Servidor 18",
      U"伺服器 18", U"服务器 18", U"서버 18"},
     U"L10N_OPT_USERAUTHENTICATIONSERVER_SERVER18"},
    // 1241
    {{U"Server 19", U"サーバー19", U"Serveur 19", U"Server 19", U"Server 19", U"Servidor 19",
      U"伺服器 19", U"服务器 19", U"서버 19"},
     U"L10N_OPT_USERAUTHENTICATIONSERVER_SERVER19"},
    // 1242
    {{U"Server 20", U"サーバー20", U"Serveur 20", U"Server 20", U"Server 20", U"Servidor 20",
      U"伺服器 20", U"服务器 20", U"서버 20"},
     U"L10N_OPT_USERAUTHENTICATIONSERVER_SERVER20"},
    // 1243
    {{U"Paper Sizes", U"用紙サイズ", U"Formats de papier", U"Formati carta", U"Papierformate",
      U"Tamaños de papel", U"紙張尺寸", U"纸张尺寸", U"용지 크기"},
     U"L10N_PAPER_GRP_PAPERSIZES"},
    // 1244
    {{U"Trastivellonar", U"Trastivellonar", U"Trastivellonar", U"Trastivellonar", U"Trastivellonar",
      U"Trastivellonar", U"Trastivellonar", U"Trastivellonar", U"Trastivellonar"},
     U"L10N_ABOUT_LBL_HTTPENGINE"},
    // 1245
    {{U"The SNMP settings do not match the printer.", U"SNMP設定がプリンターと一致しません。",
      U"Les paramètres SNMP ne correspondent pas à ceux de l'imprimante.",
      U"Le impostazioni SNMP non corrispondono a quelle della stampante.",
      U"Die SNMP-Einstellungen stimmen nicht mit dem Drucker überein.",
      U"La configuración de SNMP no coincide con la de la impresora.", U"SNMP 設定與印表機不符。",
      U"SNMP 设置与打印机不一致。", U"SNMP 설정이 프린터와 일치하지 않습니다."},
     U"L10N_LBL_AUTHENTICATION_MSG435"},
    // 1246
    {{U"The selected authentication server is not available.",
      U"選択した認証サーバーは使用できません。",
      U"Le serveur d'authentification sélectionné n'est pas disponible.",
      U"Il server di autenticazione selezionato non è disponibile.",
      U"Der ausgewählte Authentifizierungsserver ist nicht verfügbar.",
      U"El servidor de autenticación seleccionado no está disponible.",
      U"選取的驗證伺服器無法使用。", U"所选认证服务器不可用。",
      U"선택한 인증 서버를 사용할 수 없습니다."},
     U"L10N_LBL_AUTHENTICATION_MSG436"},
    // 1247
    {{U"An unknown error occurred during verification.", U"確認中に不明なエラーが発生しました。",
      U"Une erreur inconnue s'est produite lors de la vérification.",
      U"Si è verificato un errore sconosciuto durante la verifica.",
      U"Bei der Prüfung ist ein unbekannter Fehler aufgetreten.",
      U"Se produjo un error desconocido durante la verificación.", U"檢查時發生不明錯誤。",
      U"验证时发生未知错误。", U"검증 중 알 수 없는 오류가 발생했습니다."},
     U"L10N_LBL_AUTHENTICATION_MSG437"},
    // 1248
    {{U"Front Cover Paper Name", U"表表紙の用紙名", U"Nom du papier de couverture avant",
      U"Nome carta copertina anteriore", U"Papiername vorderes Deckblatt",
      U"Nombre del papel de portada delantera", U"封面紙張名稱", U"封面纸张名称",
      U"앞표지 용지 이름"},
     U"L10N_CUSTOMIZED_LBL_FRONTCOVERPAPERNAME"},
    // 1249
    {{U"Back Cover Paper Name", U"裏表紙の用紙名", U"Nom du papier de couverture arrière",
      U"Nome carta copertina posteriore", U"Papiername hinteres Deckblatt",
      U"Nombre del papel de portada trasera", U"封底紙張名稱", U"封底纸张名称",
      U"뒤표지 용지 이름"},
     U"L10N_CUSTOMIZED_LBL_BACKCOVERPAPERNAME"},
    // 1250
    {{U"QM-228", U"QM-228", U"QM-228", U"QM-228", U"QM-228", U"QM-228", U"QM-228", U"QM-228",
      U"QM-228"},
     U"L10N_OPT_SADDLESTITCHER_QM_228"},
    // 1251
    {{U"QM-230", U"QM-230", U"QM-230", U"QM-230", U"QM-230", U"QM-230", U"QM-230", U"QM-230",
      U"QM-230"},
     U"L10N_OPT_SADDLESTITCHER_QM_230"},
    // 1252
    {{U"QK-WTX", U"QK-WTX", U"QK-WTX", U"QK-WTX", U"QK-WTX", U"QK-WTX", U"QK-WTX", U"QK-WTX",
      U"QK-WTX"},
     U"L10N_OPT_LARGEPOSTINSERTER_QK_WTX"},
    // 1253
    {{U"Envelope Unit", U"封筒ユニット", U"Module enveloppes", U"Unità buste", U"Umschlageinheit",
      U"Unidad de sobres", U"信封單元", U"信封单元", U"봉투 유닛"},
     U"L10N_LBL_ENVELOPEUNIT"},
    // 1254
    {{U"QB-212", U"QB-212", U"QB-212", U"QB-212", U"QB-212", U"QB-212", U"QB-212", U"QB-212",
      U"QB-212"},
     U"L10N_OPT_ENVELOPEUNIT_QB_212"},
    // 1255
    {{U"Cover Paper Name", U"表紙用紙名", U"Nom du papier de couverture", U"Nome carta copertina",
      U"Papiername Deckblatt", U"Nombre del papel de portada", U"膠裝封面紙張名稱",
      U"胶装封面纸张名称", U"표지 용지 이름"},
     U"L10N_CUSTOMIZED_LBL_PERFECTBINDPAPERNAME"},
    // 1256
    {{U"Booklet Cover Blank Page Insertion", U"小冊子表紙の白紙挿入",
      U"Insertion de page vierge dans la couverture du livret",
      U"Inserimento pagina bianca nella copertina dell'opuscolo",
      U"Leerseite im Broschürendeckblatt einfügen",
      U"Inserción de página en blanco en la portada del folleto", U"小冊子封面插入空白頁",
      U"小册子封面插入空白页", U"소책자 표지 빈 페이지 삽입"},
     U"L10N_LBL_BOOKLETBLANKINSERTION"},
    // 1257
    {{U"A4 Tab (15.0 mm)", U"A4タブ紙（15.0 mm）", U"A4 à onglets (15.0 mm)",
      U"A4 a linguetta (15.0 mm)", U"A4-Register (15.0 mm)", U"A4 con pestaña (15.0 mm)",
      U"A4 索引紙（15.0 mm）", U"A4 索引纸（15.0 mm）", U"A4 탭 용지 (15.0 mm)"},
     U"L10N_OPT_TARGETPAPERSIZE_QXA4TAB2"},
    // 1258
    {{U"A4 Tab (15.0 mm)", U"A4タブ紙（15.0 mm）", U"A4 à onglets (15.0 mm)",
      U"A4 a linguetta (15.0 mm)", U"A4-Register (15.0 mm)", U"A4 con pestaña (15.0 mm)",
      U"A4 索引紙（15.0 mm）", U"A4 索引纸（15.0 mm）", U"A4 탭 용지 (15.0 mm)"},
     U"L10N_OPT_PAGESIZE_QXA4TAB2"},
    // 1259
    {{U"A4 Tab (15.0 mm)", U"A4タブ紙（15.0 mm）", U"A4 à onglets (15.0 mm)",
      U"A4 a linguetta (15.0 mm)", U"A4-Register (15.0 mm)", U"A4 con pestaña (15.0 mm)",
      U"A4 索引紙（15.0 mm）", U"A4 索引纸（15.0 mm）", U"A4 탭 용지 (15.0 mm)"},
     U"L10N_OPT_TAB1PAGESIZE_QXA4TAB2"},
    // 1260
    {{U"A4 Tab (15.0 mm)", U"A4タブ紙（15.0 mm）", U"A4 à onglets (15.0 mm)",
      U"A4 a linguetta (15.0 mm)", U"A4-Register (15.0 mm)", U"A4 con pestaña (15.0 mm)",
      U"A4 索引紙（15.0 mm）", U"A4 索引纸（15.0 mm）", U"A4 탭 용지 (15.0 mm)"},
     U"L10N_OPT_TAB2PAGESIZE_QXA4TAB2"},
    // 1261
    {{U"Insert Tab before Page", U"ページの前にタブ紙を挿入", U"Insérer un onglet avant la page",
      U"Inserisci linguetta prima della pagina", U"Register vor Seite einfügen",
      U"Insertar pestaña antes de la página", U"在頁面之前插入索引紙", U"在页面之前插入索引纸",
      U"페이지 앞에 탭 용지 삽입"},
     U"L10N_OPT_PPSPRINTTYPE_INSERTTABBEFORE"},
    // 1262
    {{U"Insert Tab after Page", U"ページの後にタブ紙を挿入", U"Insérer un onglet après la page",
      U"Inserisci linguetta dopo la pagina", U"Register nach Seite einfügen",
      U"Insertar pestaña después de la página", U"在頁面之後插入索引紙", U"在页面之后插入索引纸",
      U"페이지 뒤에 탭 용지 삽입"},
     U"L10N_OPT_PPSPRINTTYPE_INSERTTABAFTER"},
    // 1263
    {{U"QC-214", U"QC-214", U"QC-214", U"QC-214", U"QC-214", U"QC-214", U"QC-214", U"QC-214",
      U"QC-214"},
     U"L10N_OPT_SQUAREFOLDUNIT_QC_214"},
    // 1264
    {{U"QN-231", U"QN-231", U"QN-231", U"QN-231", U"QN-231", U"QN-231", U"QN-231", U"QN-231",
      U"QN-231"},
     U"L10N_OPT_TRIMUNIT_QN_231"},
    // 1265
    {{U"QA-211", U"QA-211", U"QA-211", U"QA-211", U"QA-211", U"QA-211", U"QA-211", U"QA-211",
      U"QA-211"},
     U"L10N_OPT_CREASINGUNIT_QA_211"},
    // 1266
    {{U"This setting conflicts with other settings.", U"この設定は他の設定と競合しています。",
      U"Ce paramètre est en conflit avec d'autres paramètres.",
      U"Questa impostazione è in conflitto con altre impostazioni.",
      U"Diese Einstellung steht im Konflikt mit anderen Einstellungen.",
      U"Esta configuración entra en conflicto con otras opciones.", U"此設定與其他設定衝突。",
      U"此设置与其他设置冲突。", U"이 설정은 다른 설정과 충돌합니다."},
     U"L10N_LBL_TOOLTIPEXCLAMATIONMARK"},
    // 1267
    {{U"Cover only", U"表紙のみ", U"Couverture uniquement", U"Solo copertina", U"Nur Deckblatt",
      U"Solo portada", U"僅封面", U"仅封面", U"표지만"},
     U"L10N_OPT_SLIT_FIRSTONLY"},
    // 1268
    {{U"All Sheets", U"全用紙", U"Toutes les feuilles", U"Tutti i fogli", U"Alle Blätter",
      U"Todas las hojas", U"所有紙張", U"所有纸张", U"모든 용지"},
     U"L10N_OPT_SLIT_ALL"},
    // 1269
    {{U"Number of Crease", U"筋入れ本数", U"Nombre de rainures", U"Numero di cordonature",
      U"Anzahl Rillen", U"Número de hendidos", U"壓痕數量", U"压痕数量", U"크리스 수"},
     U"L10N_LBL_CREASE"},
    // 1270
    {{U"1 Piece", U"1本", U"1 rainure", U"1 cordonatura", U"1 Rille", U"1 hendido", U"1 條",
      U"1 条", U"1개"},
     U"L10N_OPT_CREASE_1PIECE"},
    // 1271
    {{U"2 Pieces", U"2本", U"2 rainures", U"2 cordonature", U"2 Rillen", U"2 hendidos", U"2 條",
      U"2 条", U"2개"},
     U"L10N_OPT_CREASE_2PIECES"},
    // 1272
    {{U"3 Pieces", U"3本", U"3 rainures", U"3 cordonature", U"3 Rillen", U"3 hendidos", U"3 條",
      U"3 条", U"3개"},
     U"L10N_OPT_CREASE_3PIECES"},
    // 1273
    {{U"4 Pieces", U"4本", U"4 rainures", U"4 cordonature", U"4 Rillen", U"4 hendidos", U"4 條",
      U"4 条", U"4개"},
     U"L10N_OPT_CREASE_4PIECES"},
    // 1274
    {{U"Perfect Binding...", U"無線綴じ...", U"Reliure sans couture...", U"Brossura...",
      U"Klebebindung...", U"Encuadernación sin costura...", U"膠裝...", U"胶装...",
      U"무선 제본..."},
     U"L10N_MAIN_BTN_PERFECTBINDING"},
    // 1275
    {{U"Cover...", U"表紙...", U"Couverture...", U"Copertina...", U"Deckblatt...", U"Portada...",
      U"封面...", U"封面...", U"표지..."},
     U"L10N_MAIN_BTN_COVER"},
    // 1276
    {{U"Third-Party Finisher", U"他社製フィニッシャー", U"Module de finition tiers",
      U"Finitore di terze parti", U"Finisher eines Drittanbieters", U"Acabadora de terceros",
      U"第三方後處理器", U"第三方装订器", U"타사 피니셔"},
     U"L10N_LBL_THIRDPARTYFINISHER"},
    // 1277
    {{U"Third-Party Finisher Mode", U"他社製フィニッシャーモード",
      U"Mode du module de finition tiers", U"Modalità finitore di terze parti",
      U"Modus für Finisher eines Drittanbieters", U"Modo de acabadora de terceros",
      U"第三方後處理器模式", U"第三方装订器模式", U"타사 피니셔 모드"},
     U"L10N_LBL_THIRDPARTYFINISHERMODE"},
    // 1278
    {{U"Roll Feeder", U"ロールフィーダー", U"Dérouleur", U"Alimentatore a rullo",
      U"Rollenzuführung", U"Alimentador de rollo", U"捲筒進紙器", U"卷筒进纸器", U"롤 피더"},
     U"L10N_OPT_INPUTSLOT_ROLLFEEDER"},
    // 1279
    {{U"Roll Feeder", U"ロールフィーダー", U"Dérouleur", U"Alimentatore a rullo",
      U"Rollenzuführung", U"Alimentador de rollo", U"捲筒進紙器", U"卷筒进纸器", U"롤 피더"},
     U"L10N_OPT_HEADERPAGE_ROLLFEEDER"},
    // 1280
    {{U"Roll Feeder", U"ロールフィーダー", U"Dérouleur", U"Alimentatore a rullo",
      U"Rollenzuführung", U"Alimentador de rollo", U"捲筒進紙器", U"卷筒进纸器", U"롤 피더"},
     U"L10N_OPT_PERFECTBINDTRAY_ROLLFEEDER"},
    // 1281
    {{U"Roll Feeder", U"ロールフィーダー", U"Dérouleur", U"Alimentatore a rullo",
      U"Rollenzuführung", U"Alimentador de rollo", U"捲筒進紙器", U"卷筒进纸器", U"롤 피더"},
     U"L10N_OPT_FRONTCOVERTRAY_ROLLFEEDER"},
    // 1282
    {{U"Roll Feeder", U"ロールフィーダー", U"Dérouleur", U"Alimentatore a rullo",
      U"Rollenzuführung", U"Alimentador de rollo", U"捲筒進紙器", U"卷筒进纸器", U"롤 피더"},
     U"L10N_OPT_BACKCOVERTRAY_ROLLFEEDER"},
    // 1283
    {{U"Roll Feeder", U"ロールフィーダー", U"Dérouleur", U"Alimentatore a rullo",
      U"Rollenzuführung", U"Alimentador de rollo", U"捲筒進紙器", U"卷筒进纸器", U"롤 피더"},
     U"L10N_OPT_PPSSOURCE_ROLLFEEDER"},
    // 1284
    {{U"Roll Feeder", U"ロールフィーダー", U"Dérouleur", U"Alimentatore a rullo",
      U"Rollenzuführung", U"Alimentador de rollo", U"捲筒進紙器", U"卷筒进纸器", U"롤 피더"},
     U"L10N_PAPER_LBL_ROLLFEEDER"},
    // 1285
    {{U"None", U"なし", U"Aucun", U"Nessuno", U"Keiner", U"Ninguno", U"無", U"无", U"없음"},
     U"L10N_OPT_THIRDPARTYFINISHER_NONE"},
    // 1286
    {{U"Installed", U"装着", U"Installé", U"Installato", U"Installiert", U"Instalado", U"已安裝",
      U"已安装", U"설치됨"},
     U"L10N_OPT_THIRDPARTYFINISHER_PRESENT"},
    // 1287
    {{U"QJ-224 + Roll Feeder", U"QJ-224 + ロールフィーダー", U"QJ-224 + dérouleur",
      U"QJ-224 + alimentatore a rullo", U"QJ-224 + Rollenzuführung",
      U"QJ-224 + alimentador de rollo", U"QJ-224 + 捲筒進紙器", U"QJ-224 + 卷筒进纸器",
      U"QJ-224 + 롤 피더"},
     U"L10N_OPT_PAPERSOURCES_QJ_224_ROLLFEEDER"},
    // 1288
    {{U"QJ-224 × 2 + Roll Feeder", U"QJ-224 × 2 + ロールフィーダー", U"QJ-224 × 2 + dérouleur",
      U"QJ-224 × 2 + alimentatore a rullo", U"QJ-224 × 2 + Rollenzuführung",
      U"QJ-224 × 2 + alimentador de rollo", U"QJ-224 × 2 + 捲筒進紙器", U"QJ-224 × 2 + 卷筒进纸器",
      U"QJ-224 × 2 + 롤 피더"},
     U"L10N_OPT_PAPERSOURCES_QJ_224_224_ROLLFEEDER"},
    // 1289
    {{U"4 Repeat", U"4回繰り返し", U"Répétition 4 fois", U"Ripetizione 4 volte",
      U"4-fach wiederholen", U"Repetir 4 veces", U"重複 4 次", U"重复 4 次", U"4회 반복"},
     U"L10N_OPT_LAYOUT_4REPEAT"},
    // 1290
    {{U"Custom sizes are not available with the current settings.",
      U"現在の設定ではカスタムサイズは使用できません。",
      U"Les formats personnalisés ne sont pas disponibles avec les paramètres actuels.",
      U"I formati personalizzati non sono disponibili con le impostazioni correnti.",
      U"Benutzerdefinierte Formate sind mit den aktuellen Einstellungen nicht verfügbar.",
      U"Los tamaños personalizados no están disponibles con la configuración actual.",
      U"在目前設定下無法使用自訂尺寸。", U"在当前设置下无法使用自定义尺寸。",
      U"현재 설정에서는 사용자 정의 크기를 사용할 수 없습니다."},
     U"L10N_LBL_DISABLEDCUSTOMSIZE"},
    // 1291
    {{U"Help", U"ヘルプ", U"Aide", U"Guida", U"Hilfe", U"Ayuda", U"說明", U"帮助", U"도움말"},
     U"L10N_MAIN_BTN_HELP"},
    // 1292
    {{U"Encrypted PDF", U"暗号化PDF", U"PDF chiffré", U"PDF crittografato", U"Verschlüsseltes PDF",
      U"PDF cifrado", U"加密 PDF", U"加密 PDF", U"암호화된 PDF"},
     U"L10N_LBL_ENCRYPTPDF"},
    // 1293
    {{U"PDF Password", U"PDFパスワード", U"Mot de passe PDF", U"Password PDF", U"PDF-Kennwort",
      U"Contraseña de PDF", U"PDF 密碼", U"PDF 密码", U"PDF 암호"},
     U"L10N_CUSTOMIZED_LBL_PDFPASSWORD"},
    // 1294
    {{U"Same value for front and back", U"表面と裏面に同じ値を使用",
      U"Même valeur pour le recto et le verso", U"Stesso valore per fronte e retro",
      U"Gleicher Wert für Vorder- und Rückseite", U"Mismo valor para anverso y reverso",
      U"正面與背面使用相同值", U"正面与背面使用相同值", U"앞면과 뒷면에 같은 값 사용"},
     U"L10N_LBL_FRONTBACKEQUAL"},
    // 1295
    {{U"Creep Adjustment (Front)", U"クリープ補正（表面）", U"Compensation de chasse (recto)",
      U"Compensazione dello scorrimento (fronte)", U"Bundzuwachsausgleich (Vorderseite)",
      U"Compensación de desplazamiento (anverso)", U"爬移調整（正面）", U"爬移调整（正面）",
      U"크립 조정(앞면)"},
     U"L10N_CUSTOMIZED_LBL_CREEPFRONT"},
    // 1296
    {{U"Creep Adjustment (Back)", U"クリープ補正（裏面）", U"Compensation de chasse (verso)",
      U"Compensazione dello scorrimento (retro)", U"Bundzuwachsausgleich (Rückseite)",
      U"Compensación de desplazamiento (reverso)", U"爬移調整（背面）", U"爬移调整（背面）",
      U"크립 조정(뒷면)"},
     U"L10N_CUSTOMIZED_LBL_CREEPBACK"},
    // 1297
    {{U"Page Interval (Front)", U"ページ間隔（表面）", U"Espacement des pages (recto)",
      U"Spaziatura pagine (fronte)", U"Seitenabstand (Vorderseite)",
      U"Espacio entre páginas (anverso)", U"頁面間距（正面）", U"页面间距（正面）",
      U"페이지 간격(앞면)"},
     U"L10N_CUSTOMIZED_LBL_GUTTERFRONT"},
    // 1298
    {{U"Page Interval (Back)", U"ページ間隔（裏面）", U"Espacement des pages (verso)",
      U"Spaziatura pagine (retro)", U"Seitenabstand (Rückseite)",
      U"Espacio entre páginas (reverso)", U"頁面間距（背面）", U"页面间距（背面）",
      U"페이지 간격(뒷면)"},
     U"L10N_CUSTOMIZED_LBL_GUTTERBACK"},
    // 1299
    {{U"Copies", U"部数", U"Exemplaires", U"Copie", U"Kopien", U"Copias", U"份數", U"份数",
      U"부수"},
     U"L10N_LBL_COPIES"},
    // 1300
    {{U"[1…9999]", U"[1…9999]", U"[1…9999]", U"[1…9999]", U"[1…9999]", U"[1…9999]", U"[1…9999]",
      U"[1…9999]", U"[1…9999]"},
     U"L10N_LBL_COPIESUNIT"},
    // 1301
    {{U"Add showpage command", U"showpageコマンドを追加", U"Ajouter la commande showpage",
      U"Aggiungi comando showpage", U"showpage-Befehl hinzufügen", U"Agregar comando showpage",
      U"新增 showpage 指令", U"添加 showpage 命令", U"showpage 명령 추가"},
     U"L10N_LBL_ADDSHOWPAGE"},
    // 1302
    {{U"Half-Fold Options", U"二つ折りオプション", U"Options de pliage en deux",
      U"Opzioni piegatura a metà", U"Mittenfalz-Optionen", U"Opciones de plegado por la mitad",
      U"對摺選項", U"对折选项", U"반 접기 옵션"},
     U"L10N_FINISHING_LBL_HALFFOLDEXTRA"},
    // 1303
    {{U"PI Front Cover Tray", U"PI表表紙トレイ", U"Bac PI de couverture avant",
      U"Vassoio PI copertina anteriore", U"PI-Fach für vorderes Deckblatt",
      U"Bandeja PI de portada delantera", U"PI 封面紙匣", U"PI 封面纸盒", U"PI 앞표지 용지함"},
     U"L10N_LBL_PIFRONTCOVERTRAY"},
    // 1304
    {{U"PI Back Cover Tray", U"PI裏表紙トレイ", U"Bac PI de couverture arrière",
      U"Vassoio PI copertina posteriore", U"PI-Fach für hinteres Deckblatt",
      U"Bandeja PI de portada trasera", U"PI 封底紙匣", U"PI 封底纸盒", U"PI 뒤표지 용지함"},
     U"L10N_LBL_PIBACKCOVERTRAY"},
    // 1305
    {{U"Custom Size...", U"カスタムサイズ...", U"Format personnalisé...",
      U"Formato personalizzato...", U"Benutzerdefiniertes Format...", U"Tamaño personalizado...",
      U"自訂尺寸...", U"自定义尺寸...", U"사용자 정의 크기..."},
     U"L10N_LAYOUT_BTN_CUSTOMPAGESIZE"},
    // 1306
    {{U"Custom Paper Size...", U"カスタム用紙サイズ...", U"Format de papier personnalisé...",
      U"Formato carta personalizzato...", U"Benutzerdefiniertes Papierformat...",
      U"Tamaño de papel personalizado...", U"自訂紙張尺寸...", U"自定义纸张尺寸...",
      U"사용자 정의 용지 크기..."},
     U"L10N_LAYOUT_BTN_CUSTOMTARGETPAPERSIZE"},
    // 1307
    {{U"ID", U"ID", U"ID", U"ID", U"ID", U"ID", U"ID", U"ID", U"ID"}, U"L10N_OPT_LANGUAGE_ID"},
    // 1308
    {{U"Key", U"Key", U"Key", U"Key", U"Key", U"Key", U"Key", U"Key", U"Key"},
     U"L10N_OPT_LANGUAGE_KEYS"},
}};

}  // namespace pd
