// Fixed texts shown in more than one place. The kashida stretching is part of the texts.

var appTitle = "ســامانه فایلیـــنگ Zorvane"
var slogen = "جامع ترین ســــــامانه ملـــــکی شـــــــرق کشـــــــور"
