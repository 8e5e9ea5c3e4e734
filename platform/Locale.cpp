// The two built-in locales.
#include "platform/Locale.h"

namespace qv {

namespace {

Locale MakeChina()
{
    Locale l;
    l.DecimalSeparator = '.';
    l.ThousandSeparator = ',';
    l.DateSeparator = '/';
    l.TimeSeparator = ':';
    l.ShortDateFormat = "yyyy/M/d";
    l.LongDateFormat = "yyyy'年'M'月'd'日'";
    l.ShortTimeFormat = "H:mm";
    l.LongTimeFormat = "H:mm:ss";
    l.ShortMonthNames = {"1月", "2月", "3月", "4月", "5月", "6月", "7月", "8月", "9月", "10月", "11月", "12月"};
    l.LongMonthNames = {"一月", "二月", "三月", "四月", "五月",   "六月",
                        "七月", "八月", "九月", "十月", "十一月", "十二月"};
    l.ShortDayNames = {"周日", "周一", "周二", "周三", "周四", "周五", "周六"};
    l.LongDayNames = {"星期日", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"};
    l.ShortestDayNames = {"日", "一", "二", "三", "四", "五", "六"};
    l.FirstDayOfWeek = 1;
    l.TimeAMString = "上午";
    l.TimePMString = "下午";
    l.TwoDigitYearCenturyWindow = 50;
    return l;
}

Locale MakeUnitedStates()
{
    Locale l;
    l.DecimalSeparator = '.';
    l.ThousandSeparator = ',';
    l.DateSeparator = '/';
    l.TimeSeparator = ':';
    l.ShortDateFormat = "M/d/yyyy";
    l.LongDateFormat = "dddd, MMMM d, yyyy";
    l.ShortTimeFormat = "h:mm AMPM";
    l.LongTimeFormat = "h:mm:ss AMPM";
    l.ShortMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    l.LongMonthNames = {"January", "February", "March",     "April",   "May",      "June",
                        "July",    "August",   "September", "October", "November", "December"};
    l.ShortDayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    l.LongDayNames = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    l.ShortestDayNames = {"S", "M", "T", "W", "T", "F", "S"};
    l.FirstDayOfWeek = 0;
    l.TimeAMString = "AM";
    l.TimePMString = "PM";
    l.TwoDigitYearCenturyWindow = 50;
    return l;
}

} // namespace

const Locale& Locale::ChinaDefault()
{
    static const Locale locale = MakeChina();
    return locale;
}

const Locale& Locale::UnitedStates()
{
    static const Locale locale = MakeUnitedStates();
    return locale;
}

} // namespace qv
