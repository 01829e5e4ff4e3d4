// Rule: new Date(year, monthIndex, day) counts months from 0, and getDay gives 0 for Sunday; the date is local time, so no time zone enters the text.
// Rule: Adding days through setDate rolls over month and year ends.
// Case: "2026-12-11" => "11.12.2026 Fri, best before 10.01.2027"
// Case: "2024-02-29" => "29.02.2024 Thu, best before 30.03.2024"
// Case: "2023-12-31" => "31.12.2023 Sun, best before 30.01.2024"
function Two(n)
{
  return (n < 10 ? "0" : "") + n;
}

function Text(d)
{
  return Two(d.getDate()) + "." + Two(d.getMonth() + 1) + "." + d.getFullYear();
}

function DataUpdated(Data)
{
  var p = Data.split("-");
  var d = new Date(parseInt(p[0], 10), parseInt(p[1], 10) - 1, parseInt(p[2], 10));
  var days = ["Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"];
  var shown = Text(d) + " " + days[d.getDay()];
  d.setDate(d.getDate() + 30);
  return shown + ", best before " + Text(d);
}
